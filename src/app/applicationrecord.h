#pragma once

#include <string_view>

// Fixed when the program is built; free of Qt so every part of the program can read it.
struct ApplicationRecord {
    static constexpr std::string_view title = "ヌビカ";
    static constexpr short major = 3;
    static constexpr short minor = 0;
    static constexpr short revision = 1;
};
