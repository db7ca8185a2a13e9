#pragma once

#include <cstdint>

// Read access to the Windows registry, call for call as advapi32's ANSI functions: status
// codes as results, handles, type codes, a byte buffer with an in/out length. Key paths, value
// names and string data are in the system code page. Names avoid the <windows.h> macros.
class RegistryService {
public:
    using Key = std::uintptr_t;
    using Status = std::int32_t;

    // Predefined root handle values, sign-extended as Windows does.
    static constexpr Key classesRoot = static_cast<Key>(std::intptr_t{-0x7FFFFFFF - 1});
    static constexpr Key localMachine = static_cast<Key>(std::intptr_t{-0x7FFFFFFE});

    static constexpr Status success = 0;
    static constexpr Status fileNotFound = 2;
    static constexpr Status accessDenied = 5;
    static constexpr Status invalidHandle = 6;
    static constexpr Status moreData = 234;

    static constexpr std::uint32_t typeNone = 0;
    static constexpr std::uint32_t typeSz = 1;
    static constexpr std::uint32_t typeExpandSz = 2;
    static constexpr std::uint32_t typeBinary = 3;
    static constexpr std::uint32_t typeDword = 4;

    // Access rights.
    static constexpr std::uint32_t keyQueryValue = 0x0001;
    static constexpr std::uint32_t keySetValue = 0x0002;
    static constexpr std::uint32_t keyCreateSubKey = 0x0004;
    static constexpr std::uint32_t keyEnumerateSubKeys = 0x0008;
    static constexpr std::uint32_t keyNotify = 0x0010;
    static constexpr std::uint32_t keyCreateLink = 0x0020;
    static constexpr std::uint32_t readControl = 0x00020000;
    static constexpr std::uint32_t keyRead = 0x00020019;

    virtual ~RegistryService() = default;

    virtual Status RegOpenKeyExA(Key root, const char* subKey, std::uint32_t options,
                                 std::uint32_t samDesired, Key* result) = 0;
    // data may be null to ask for the type and length only. When the data do not fit,
    // the result is moreData and *dataLength the length needed.
    virtual Status RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                                    std::uint32_t* type, unsigned char* data,
                                    std::uint32_t* dataLength) = 0;
    virtual Status RegCloseKey(Key key) = 0;
};
