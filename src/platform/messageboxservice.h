#pragma once

#include <string>

// A modal message box with an OK button only and no icon; returns once it is dismissed.
// Texts are UTF-8 with CR LF line breaks.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const std::string& prompt) = 0;
};
