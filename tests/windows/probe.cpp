// A Windows program the journeys run under Wine beside ヌビカ: prints the title of Windows'
// foreground window, which the window manager does not see.
#include <cstdio>
#include <windows.h>

int main()
{
    wchar_t title[256] = L"";
    char text[1024] = "";
    GetWindowTextW(GetForegroundWindow(), title, 256);
    WideCharToMultiByte(CP_UTF8, 0, title, -1, text, sizeof text, nullptr, nullptr);
    return std::puts(text) < 0;
}
