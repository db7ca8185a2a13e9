#pragma once

#include "platform/registryservice.h"

#include <QStringList>

// A registry for systems without one. Its one key holds one string value: the full path of the
// first of some programs found on the executable search path (PATH) when the value is read, so
// that a program installed meanwhile is found at the next read.
class SearchPathRegistry final : public RegistryService {
public:
    SearchPathRegistry(QString keyPath, QString valueName, QStringList programs);

    Status RegOpenKeyExA(Key root, const QString& subKey, std::uint32_t options,
                         std::uint32_t samDesired, Key* result) override;
    Status RegQueryValueExA(Key key, const QString& valueName, std::uint32_t* type,
                            unsigned char* data, std::uint32_t* dataLength) override;
    Status RegCloseKey(Key key) override;

private:
    static constexpr Key theKey = 0x100;

    QString keyPath;
    QString valueName;
    QStringList programs;
};
