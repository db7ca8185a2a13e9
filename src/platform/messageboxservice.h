#pragma once

#include <string>
#include <string_view>

// A modal message box with an OK button only and no icon; returns once it is dismissed.
// Texts are UTF-8 with CR LF line breaks.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const std::string& prompt) = 0;

    // The text of an error message: the heading every one of them starts with, then its lines.
    static std::string error(std::string_view lines) { return "Error!!\r\n" + std::string(lines); }
};
