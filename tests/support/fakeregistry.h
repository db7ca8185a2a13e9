#pragma once

#include "platform/registryservice.h"

#include <QByteArray>
#include <cstring>
#include <map>
#include <utility>

// A registry in maps: values and failures planted per key, every open and close counted.
struct FakeRegistry final : RegistryService {
    struct Value {
        std::uint32_t type;
        QByteArray bytes;
    };
    std::map<QString, std::map<QString, Value>> keys; // key path -> value name -> value
    std::map<QString, Status> openFails, queryFails;  // key path -> status
    std::uint32_t access = 0;                         // the rights last asked for
    int opened = 0, closed = 0;                       // closed: of the open handles
    std::map<Key, QString> handles;

    Status RegOpenKeyExA(Key root, const QString& subKey, std::uint32_t, std::uint32_t samDesired,
                         Key* result) override
    {
        access = samDesired;
        *result = 0;
        if (root != localMachine || !keys.contains(subKey))
            return fileNotFound;
        if (openFails.contains(subKey))
            return openFails[subKey];
        handles[*result = ++opened] = subKey;
        return success;
    }
    Status RegQueryValueExA(Key key, const QString& name, std::uint32_t* type, unsigned char* data,
                            std::uint32_t* length) override
    {
        const QString& path = handles.at(key);
        if (queryFails.contains(path))
            return queryFails[path];
        if (!keys[path].contains(name))
            return fileNotFound;
        const Value& value = keys[path][name];
        const auto room = std::exchange(*length, static_cast<std::uint32_t>(value.bytes.size()));
        *type = value.type;
        if (*length > room)
            return moreData;
        std::memcpy(data, value.bytes.data(), *length);
        return success;
    }
    Status RegCloseKey(Key key) override
    {
        closed += int(handles.erase(key));
        return success;
    }
};
