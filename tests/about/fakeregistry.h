#pragma once

#include "platform/registryservice.h"

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

// A registry filled per test that records every call made to it.
class FakeRegistry final : public RegistryService {
public:
    struct Data {
        std::uint32_t type;
        std::vector<unsigned char> bytes;
    };

    void set(const std::string& key, const std::string& name, std::uint32_t type,
             std::vector<unsigned char> bytes)
    {
        keys[key][name] = {type, std::move(bytes)};
    }
    void setText(const std::string& key, const std::string& name, const std::string& text,
                 int zeros = 1)
    {
        std::vector<unsigned char> bytes(text.begin(), text.end());
        bytes.insert(bytes.end(), zeros, 0);
        set(key, name, typeSz, std::move(bytes));
    }
    // The key exists but cannot be opened.
    void refuse(const std::string& key) { refused.insert(key); }

    Status RegOpenKeyExA(Key root, const char* subKey, std::uint32_t options,
                         std::uint32_t samDesired, Key* result) override
    {
        opens.push_back({root, subKey, options, samDesired});
        if (root != localMachine || !keys.contains(subKey))
            return fileNotFound;
        if (refused.contains(subKey))
            return accessDenied;
        *result = nextHandle++;
        open[*result] = subKey;
        return success;
    }
    Status RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                            std::uint32_t* type, unsigned char* data,
                            std::uint32_t* dataLength) override
    {
        queries.push_back({valueName, reserved, *dataLength});
        const auto& values = keys.at(open.at(key));
        const auto found = values.find(valueName);
        if (found == values.end())
            return fileNotFound;
        *type = found->second.type;
        const auto size = static_cast<std::uint32_t>(found->second.bytes.size());
        const std::uint32_t room = *dataLength;
        *dataLength = size;
        if (size > room)
            return moreData;
        // An empty vector's data() may be null, which memcpy must not be given.
        if (size > 0)
            std::memcpy(data, found->second.bytes.data(), size);
        return success;
    }
    Status RegCloseKey(Key key) override
    {
        closes.push_back(key);
        return open.erase(key) ? success : invalidHandle;
    }

    struct Open {
        Key root;
        std::string subKey;
        std::uint32_t options;
        std::uint32_t access;
    };
    struct Query {
        std::string name;
        std::uint32_t* reserved;
        std::uint32_t lengthIn;
    };
    std::vector<Open> opens;
    std::vector<Query> queries;
    std::vector<Key> closes;
    std::map<Key, std::string> open;

private:
    std::map<std::string, std::map<std::string, Data>> keys;
    std::set<std::string> refused;
    Key nextHandle = 0x40;
};
