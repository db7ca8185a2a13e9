// A Windows program the journeys run under Wine beside ヌビカ: prints what Windows knows of its
// windows and the window manager does not. First the foreground window: its title, its owner
// ("-" none, "hidden" one not shown, or its title) and its extended styles that decide a taskbar
// button (" tool", " app"), between tabs; then the visible top-level windows, topmost first.
#include <cstdio>
#include <string>
#include <windows.h>

static std::string title(HWND window)
{
    wchar_t wide[256] = L"";
    char text[1024] = "";
    GetWindowTextW(window, wide, 256);
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

int main()
{
    const HWND front = GetForegroundWindow(), owner = GetWindow(front, GW_OWNER);
    const LONG_PTR style = GetWindowLongPtrW(front, GWL_EXSTYLE);
    std::string out = title(front) + '\t' +
                      (!owner                   ? "-"
                       : IsWindowVisible(owner) ? title(owner)
                                                : "hidden") +
                      '\t' + (style & WS_EX_TOOLWINDOW ? " tool" : "") +
                      (style & WS_EX_APPWINDOW ? " app" : "");
    EnumWindows(
        [](HWND window, LPARAM out) {
            if (IsWindowVisible(window) && GetWindowTextLengthW(window) > 0)
                *reinterpret_cast<std::string*>(out) += '\n' + title(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return std::puts(out.c_str()) < 0;
}
