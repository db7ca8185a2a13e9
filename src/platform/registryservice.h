#pragma once

#include <QString>
#include <cstdint>

// Read access to the Windows registry, call for call as advapi32's ANSI functions: status codes
// as results, handles, type codes, a byte buffer with an in/out length. String data are in the
// system code page.
class RegistryService {
public:
    using Key = std::uintptr_t;
    using Status = std::int32_t;

    // The predefined root handle value, sign-extended as Windows does.
    static constexpr Key localMachine = static_cast<Key>(std::intptr_t{-0x7FFFFFFE});

    static constexpr Status success = 0;
    static constexpr Status fileNotFound = 2;
    static constexpr Status invalidHandle = 6;
    static constexpr Status moreData = 234;

    static constexpr std::uint32_t typeSz = 1;
    static constexpr std::uint32_t typeDword = 4;

    // Read access only: query values, enumerate sub-keys, notify, read control.
    static constexpr std::uint32_t keyRead = 0x00020019;

    virtual ~RegistryService() = default;

    virtual Status RegOpenKeyExA(Key root, const QString& subKey, std::uint32_t options,
                                 std::uint32_t samDesired, Key* result) = 0;
    // When the data do not fit, the result is moreData and *dataLength the length needed.
    virtual Status RegQueryValueExA(Key key, const QString& valueName, std::uint32_t* type,
                                    unsigned char* data, std::uint32_t* dataLength) = 0;
    virtual Status RegCloseKey(Key key) = 0;
};
