#include "platform/systemcodepage.h"

#ifdef _WIN32
#include <windows.h>
#endif

std::string SystemCodePage::toUtf8(std::string_view bytes)
{
#ifdef _WIN32
    if (bytes.empty())
        return {};
    const int count = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(count, L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), wide.data(), count);
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, nullptr, 0, nullptr, nullptr);
    std::string text(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, text.data(), length, nullptr, nullptr);
    return text;
#else
    // Elsewhere the registry keeps its text in UTF-8.
    return std::string(bytes);
#endif
}
