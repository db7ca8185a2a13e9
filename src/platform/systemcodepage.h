#pragma once

#include <string>
#include <string_view>

// Text in the system code page, the one the registry's ANSI calls use.
class SystemCodePage {
public:
    // Converts bytes, embedded zeros included, to UTF-8.
    static std::string toUtf8(std::string_view bytes);
};
