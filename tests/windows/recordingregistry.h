#pragma once

#include "platform/windowsregistry.h"

#include <set>
#include <vector>

// The system registry, with a record of how it was called: Wine grants any access mask, so
// the rights asked for and the keys left open are checked here instead.
class RecordingRegistry final : public RegistryService {
public:
    struct Open {
        Key root;
        std::uint32_t options;
        std::uint32_t access;
    };

    Status RegOpenKeyExA(Key root, const char* subKey, std::uint32_t options,
                         std::uint32_t samDesired, Key* result) override
    {
        opens.push_back({root, options, samDesired});
        const Status status = system.RegOpenKeyExA(root, subKey, options, samDesired, result);
        if (status == success)
            open.insert(*result);
        return status;
    }
    Status RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                            std::uint32_t* type, unsigned char* data,
                            std::uint32_t* dataLength) override
    {
        lengthsIn.push_back(*dataLength);
        reservedPassed |= reserved != nullptr;
        return system.RegQueryValueExA(key, valueName, reserved, type, data, dataLength);
    }
    Status RegCloseKey(Key key) override
    {
        open.erase(key);
        return system.RegCloseKey(key);
    }

    std::vector<Open> opens;
    std::vector<std::uint32_t> lengthsIn;
    std::set<Key> open;
    bool reservedPassed = false;

private:
    WindowsRegistry system;
};
