#include "platform/searchpathregistry.h"

#include <QDir>
#include <QStandardPaths>
#include <cstring>

SearchPathRegistry::SearchPathRegistry(std::string keyPath, std::string valueName,
                                       std::vector<std::string> programs)
    : keyPath(std::move(keyPath))
    , valueName(std::move(valueName))
    , programs(std::move(programs))
{
}

RegistryService::Status SearchPathRegistry::RegOpenKeyExA(Key root, const char* subKey,
                                                          std::uint32_t, std::uint32_t, Key* result)
{
    if (!result)
        return invalidHandle;
    const bool ours = root == localMachine && subKey && subKey == keyPath;
    *result = ours ? theKey : 0;
    return ours ? success : fileNotFound;
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
    // Relative folders depend on where we were started. Given no folder, Qt would read PATH
    // itself, relative ones included.
    QStringList folders = qEnvironmentVariable("PATH").split(QDir::listSeparator());
    folders.removeIf(QDir::isRelativePath);
    QString found;
    for (const std::string& program : programs)
        if (found.isEmpty() && !folders.isEmpty())
            found = QStandardPaths::findExecutable(QString::fromStdString(program), folders);
    if (found.isEmpty())
        return fileNotFound;

    const std::string path = found.toStdString();
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
