#include "platform/searchpathregistry.h"

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

SearchPathRegistry::SearchPathRegistry(std::string keyPath, std::string valueName,
                                       std::vector<std::string> programs)
    : keyPath(std::move(keyPath))
    , valueName(std::move(valueName))
    , programs(std::move(programs))
{
}

std::string SearchPathRegistry::find(std::string_view name, std::string_view folders)
{
    if (name.empty() || name.find('/') != std::string_view::npos)
        return {};
    for (std::size_t at = 0; at <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', at), folders.size());
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

RegistryService::Status SearchPathRegistry::RegOpenKeyExA(Key root, const char* subKey,
                                                          std::uint32_t, std::uint32_t samDesired,
                                                          Key* result)
{
    if (!result)
        return invalidHandle;
    *result = 0;
    if (root != localMachine || !subKey || subKey != keyPath)
        return fileNotFound;
    if (samDesired & (keySetValue | keyCreateSubKey | keyCreateLink))
        return accessDenied;
    *result = theKey;
    return success;
}

RegistryService::Status SearchPathRegistry::RegQueryValueExA(Key key, const char* name,
                                                             std::uint32_t*, std::uint32_t* type,
                                                             unsigned char* data,
                                                             std::uint32_t* dataLength)
{
    if (key != theKey || !dataLength)
        return invalidHandle;
    if (!name || name != valueName)
        return fileNotFound;
    const char* folders = std::getenv("PATH");
    std::string path;
    for (auto program = programs.begin(); path.empty() && program != programs.end(); ++program)
        path = find(*program, folders ? folders : "");
    if (path.empty())
        return fileNotFound;

    if (type)
        *type = typeSz;
    const auto size = static_cast<std::uint32_t>(path.size() + 1); // with its terminating zero
    const std::uint32_t room = *dataLength;
    *dataLength = size;
    if (!data)
        return success;
    if (size > room)
        return moreData;
    std::memcpy(data, path.c_str(), size);
    return success;
}

RegistryService::Status SearchPathRegistry::RegCloseKey(Key key)
{
    return key == theKey ? success : invalidHandle;
}
