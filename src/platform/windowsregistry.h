#pragma once

#include "platform/registryservice.h"

// The system registry through advapi32.
class WindowsRegistry final : public RegistryService {
public:
    Status RegOpenKeyExA(Key root, const char* subKey, std::uint32_t options,
                         std::uint32_t samDesired, Key* result) override;
    Status RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                            std::uint32_t* type, unsigned char* data,
                            std::uint32_t* dataLength) override;
    Status RegCloseKey(Key key) override;
};
