#include "platform/windowsprogramstartservice.h"

#include <string>
#include <windows.h>

namespace {

std::wstring wide(const std::string& utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                           int(utf8.size()), nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), text.data(),
                        length);
    return text;
}

} // namespace

bool WindowsProgramStartService::start(const std::string& utf8Path)
{
    std::wstring commandLine = wide(utf8Path.substr(0, utf8Path.find('\0')));
    if (commandLine.empty())
        return false;
    // Quoted, so that a path with spaces is never split into a program and its arguments
    // ("C:\Program Files\..." running C:\Program.exe); the system still searches for a bare
    // name and adds ".exe", as it does for any command line.
    if (commandLine.front() != L'"')
        commandLine = L'"' + commandLine + L'"';
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
