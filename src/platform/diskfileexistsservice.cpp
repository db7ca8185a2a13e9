#include "platform/diskfileexistsservice.h"

#include <filesystem>
#include <string_view>

bool DiskFileExistsService::FileExists(const std::string& utf8Path)
{
    if (utf8Path.empty() || utf8Path.find('\0') != std::string::npos)
        return false;
    const std::u8string_view text(reinterpret_cast<const char8_t*>(utf8Path.data()),
                                  utf8Path.size());
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(text), error);
}
