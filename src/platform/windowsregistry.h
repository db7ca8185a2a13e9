#pragma once

#include "platform/registryservice.h"

// The system registry through advapi32; names go in the system code page.
class WindowsRegistry final : public RegistryService {
public:
    Status RegOpenKeyExA(Key root, const QString& subKey, std::uint32_t options,
                         std::uint32_t samDesired, Key* result) override;
    Status RegQueryValueExA(Key key, const QString& valueName, std::uint32_t* type,
                            unsigned char* data, std::uint32_t* dataLength) override;
    Status RegCloseKey(Key key) override;
};
