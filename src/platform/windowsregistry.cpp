#include "platform/windowsregistry.h"

#include <windows.h>

namespace {

HKEY handle(RegistryService::Key key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

RegistryService::Status WindowsRegistry::RegOpenKeyExA(Key root, const QString& subKey,
                                                       std::uint32_t options,
                                                       std::uint32_t samDesired, Key* result)
{
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(handle(root), subKey.toLocal8Bit().constData(), options,
                                        samDesired, &opened);
    *result = status == ERROR_SUCCESS ? reinterpret_cast<Key>(opened) : 0;
    return status;
}

RegistryService::Status WindowsRegistry::RegQueryValueExA(Key key, const QString& valueName,
                                                          std::uint32_t* type, unsigned char* data,
                                                          std::uint32_t* dataLength)
{
    static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
    return ::RegQueryValueExA(handle(key), valueName.toLocal8Bit().constData(), nullptr,
                              reinterpret_cast<LPDWORD>(type), data,
                              reinterpret_cast<LPDWORD>(dataLength));
}

RegistryService::Status WindowsRegistry::RegCloseKey(Key key)
{
    return ::RegCloseKey(handle(key));
}
