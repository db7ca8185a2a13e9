#include "platform/searchpath.h"

#include <sys/stat.h>
#include <unistd.h>

std::string SearchPath::find(std::string_view name, std::string_view folders)
{
    if (name.empty() || name.find('/') != std::string_view::npos)
        return {};
    for (std::size_t at = 0; at <= folders.size();) {
        std::size_t end = folders.find(':', at);
        if (end == std::string_view::npos)
            end = folders.size();
        const std::string_view folder = folders.substr(at, end - at);
        at = end + 1;
        if (folder.empty() || folder.front() != '/')
            continue;
        std::string path(folder);
        if (path.back() != '/')
            path += '/';
        path += name;
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::access(path.c_str(), X_OK) == 0)
            return path;
    }
    return {};
}
