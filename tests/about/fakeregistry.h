#pragma once

#include "about/sysinfolauncher.h"
#include "fakeservices.h"
#include "platform/registryservice.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

// A registry filled per test that records every call made to it.
class FakeRegistry final : public RegistryService {
public:
    void set(const std::string& key, const std::string& name, std::uint32_t type,
             std::vector<unsigned char> bytes)
    {
        keys[key][name] = {type, std::move(bytes)};
    }
    void setText(const std::string& key, const std::string& name, const std::string& text)
    {
        std::vector<unsigned char> bytes(text.begin(), text.end());
        bytes.push_back(0);
        set(key, name, typeSz, std::move(bytes));
    }
    // The key exists, but opening it or reading from it fails with status. A failed call
    // writes garbage into its outputs, as nothing promises they are left alone.
    void fail(const std::string& key, bool inOpen, Status status)
    {
        keys[key];
        (inOpen ? openFails : queryFails)[key] = status;
    }

    Status RegOpenKeyExA(Key root, const char* subKey, std::uint32_t options,
                         std::uint32_t samDesired, Key* result) override
    {
        opens.push_back({root, subKey, options, samDesired});
        if (root != localMachine || !keys.contains(subKey))
            return fileNotFound;
        if (openFails.contains(subKey)) {
            *result = 0xDEAD;
            return openFails[subKey];
        }
        *result = nextHandle++;
        open[*result] = subKey;
        return success;
    }
    Status RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                            std::uint32_t* type, unsigned char* data,
                            std::uint32_t* dataLength) override
    {
        queries.push_back({valueName, reserved, *dataLength});
        if (const auto fails = queryFails.find(open.at(key)); fails != queryFails.end()) {
            *type = typeSz;
            std::memset(data, 'z', *dataLength);
            *dataLength = fails->second == moreData ? 4096 : 7;
            return fails->second;
        }
        const auto& values = keys.at(open.at(key));
        const auto found = values.find(valueName);
        if (found == values.end())
            return fileNotFound;
        const auto& [valueType, bytes] = found->second;
        *type = valueType;
        const auto size = static_cast<std::uint32_t>(bytes.size());
        const std::uint32_t room = *dataLength;
        *dataLength = size;
        if (size > room)
            return moreData;
        // An empty vector's data() may be null, which memcpy must not be given.
        if (size > 0)
            std::memcpy(data, bytes.data(), size);
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
        bool operator==(const Open&) const = default;
    };
    struct Query {
        std::string name;
        std::uint32_t* reserved;
        std::uint32_t lengthIn;
        bool operator==(const Query&) const = default;
    };
    std::vector<Open> opens;
    std::vector<Query> queries;
    std::vector<Key> closes;
    std::map<Key, std::string> open;

private:
    std::map<std::string,
             std::map<std::string, std::pair<std::uint32_t, std::vector<unsigned char>>>>
        keys;
    std::map<std::string, Status> openFails;
    std::map<std::string, Status> queryFails;
    Key nextHandle = 0x40;
};

// A launcher whose every service is a fake.
struct FakeLaunch {
    FakeRegistry registry;
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher{registry, files, programs, messages};
};
