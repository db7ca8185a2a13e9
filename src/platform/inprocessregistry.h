#pragma once

#include "platform/registryservice.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// A registry held in memory for systems without one. It is read only: its content is fixed
// at construction and a key opened with any write right is refused. Names compare without
// regard to ASCII case, as on Windows; string data are stored in UTF-8, this back end's
// code page.
class InProcessRegistry final : public RegistryService {
public:
    struct Value {
        Key root;
        std::string keyPath;
        std::string name;
        std::uint32_t type;
        std::vector<unsigned char> data;
    };

    explicit InProcessRegistry(std::vector<Value> content = {});

    // The registry of a Linux desktop: the system information tool's path when one of
    // systemInformationTools is found on the executable search path (a PATH-style list).
    static InProcessRegistry desktop(std::string_view searchPath);
    static const std::vector<std::string>& systemInformationTools();
    static Value stringValue(Key root, std::string keyPath, std::string name,
                             std::string_view text);

    Status RegOpenKeyExA(Key root, const char* subKey, std::uint32_t options,
                         std::uint32_t samDesired, Key* result) override;
    Status RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                            std::uint32_t* type, unsigned char* data,
                            std::uint32_t* dataLength) override;
    Status RegCloseKey(Key key) override;

    std::size_t openKeys() const { return handles.size(); }

private:
    static std::string folded(std::string_view name);
    static std::string keyName(Key root, std::string_view path);
    static std::string pathName(std::string_view path);

    std::map<std::string, std::map<std::string, Value>> keys;
    std::map<Key, std::string> handles;
    Key nextHandle = 0x100;
};
