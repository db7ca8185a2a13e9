#pragma once

#include <string>
#include <string_view>

// The executable search path, as a shell would walk it.
class SearchPath {
public:
    // The full path of the first executable file called name in the ':'-separated list of
    // folders, or empty text. Relative folders are skipped: they depend on where the program
    // was started.
    static std::string find(std::string_view name, std::string_view folders);
};
