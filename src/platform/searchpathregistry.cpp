#include "platform/searchpathregistry.h"

#include <QDir>
#include <QStandardPaths>
#include <cstring>
#include <utility>

SearchPathRegistry::SearchPathRegistry(QString keyPath, QString valueName, QStringList programs)
    : keyPath(std::move(keyPath))
    , valueName(std::move(valueName))
    , programs(std::move(programs))
{
}

RegistryService::Status SearchPathRegistry::RegOpenKeyExA(Key root, const QString& subKey,
                                                          std::uint32_t, std::uint32_t, Key* result)
{
    const bool ours = root == localMachine && subKey == keyPath;
    *result = ours ? theKey : 0;
    return ours ? success : fileNotFound;
}

RegistryService::Status SearchPathRegistry::RegQueryValueExA(Key key, const QString& name,
                                                             std::uint32_t* type,
                                                             unsigned char* data,
                                                             std::uint32_t* dataLength)
{
    if (key != theKey)
        return invalidHandle;
    if (name != valueName)
        return fileNotFound;
    // Relative folders depend on where we were started. Given no folder, Qt would read PATH
    // itself, relative ones included.
    QStringList folders = qEnvironmentVariable("PATH").split(QDir::listSeparator());
    folders.removeIf(QDir::isRelativePath);
    QString found;
    for (const QString& program : programs)
        if (found.isEmpty() && !folders.isEmpty())
            found = QStandardPaths::findExecutable(program, folders);
    if (found.isEmpty())
        return fileNotFound;

    const QByteArray path = found.toLocal8Bit();
    *type = typeSz;
    const auto size = static_cast<std::uint32_t>(path.size() + 1); // with its terminating zero
    const std::uint32_t room = std::exchange(*dataLength, size);
    if (size > room)
        return moreData;
    std::memcpy(data, path.constData(), size);
    return success;
}

RegistryService::Status SearchPathRegistry::RegCloseKey(Key key)
{
    return key == theKey ? success : invalidHandle;
}
