#pragma once

#include "platform/registryservice.h"

#include <string>
#include <string_view>
#include <vector>

// A registry for systems without one. It holds one string value: the full path of the first of
// some programs found on the executable search path (PATH) when the value is read, so that a
// program installed meanwhile is found at the next read. Keys asked for with a write right are
// refused, as a read-only registry would.
class SearchPathRegistry final : public RegistryService {
public:
    SearchPathRegistry(std::string keyPath, std::string valueName,
                       std::vector<std::string> programs);

    // The full path of the first executable file called name in a ':'-separated folder list,
    // or empty text. Relative folders are skipped: they depend on where we were started.
    static std::string find(std::string_view name, std::string_view folders);

    Status RegOpenKeyExA(Key root, const char* subKey, std::uint32_t options,
                         std::uint32_t samDesired, Key* result) override;
    Status RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                            std::uint32_t* type, unsigned char* data,
                            std::uint32_t* dataLength) override;
    Status RegCloseKey(Key key) override;

private:
    static constexpr Key theKey = 0x100;

    std::string keyPath;
    std::string valueName;
    std::vector<std::string> programs;
};
