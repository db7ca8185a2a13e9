#pragma once

#include "platform/registryservice.h"

#include <cstring>
#include <map>
#include <string>

// A registry held in a map: values planted per test, a failure status planted per key, every
// open and close counted.
class FakeRegistry final : public RegistryService {
public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
    };
    // The string with its terminating zero, as the registry stores it.
    static Value text(const std::string& s) { return {typeSz, s + '\0'}; }

    std::map<std::string, std::map<std::string, Value>> keys; // key path -> value name -> value
    std::map<std::string, Status> openFails, queryFails;      // key path -> status
    std::uint32_t access = 0;                                 // the rights last asked for
    int opened = 0;
    int closed = 0; // handles that were open

    Status RegOpenKeyExA(Key root, const char* subKey, std::uint32_t, std::uint32_t samDesired,
                         Key* result) override
    {
        access = samDesired;
        *result = 0;
        if (root != localMachine || !keys.contains(subKey))
            return fileNotFound;
        if (openFails.contains(subKey))
            return openFails[subKey];
        handles[++opened] = subKey;
        *result = opened;
        return success;
    }
    Status RegQueryValueExA(Key key, const char* name, std::uint32_t*, std::uint32_t* type,
                            unsigned char* data, std::uint32_t* length) override
    {
        const std::string& path = handles.at(key);
        if (const auto fails = queryFails.find(path); fails != queryFails.end())
            return fails->second;
        const auto found = keys[path].find(name);
        if (found == keys[path].end())
            return fileNotFound;
        const Value& value = found->second;
        *type = value.type;
        const auto size = static_cast<std::uint32_t>(value.bytes.size());
        const std::uint32_t room = *length;
        *length = size;
        if (size > room)
            return moreData;
        std::memcpy(data, value.bytes.data(), size);
        return success;
    }
    Status RegCloseKey(Key key) override
    {
        closed += handles.erase(key) ? 1 : 0;
        return success;
    }

private:
    std::map<Key, std::string> handles;
};
