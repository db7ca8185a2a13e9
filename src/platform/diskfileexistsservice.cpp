#include "platform/diskfileexistsservice.h"

#include <filesystem>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

bool DiskFileExistsService::exists(const std::string& utf8Path)
{
    if (utf8Path.empty() || utf8Path.find('\0') != std::string::npos)
        return false;
    const std::filesystem::path path(
        std::u8string_view(reinterpret_cast<const char8_t*>(utf8Path.data()), utf8Path.size()));
#ifdef _WIN32
    // Only normal files count: the same test as a directory listing of plain files.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                           FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE));
#else
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
#endif
}
