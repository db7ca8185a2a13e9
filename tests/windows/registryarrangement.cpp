#include "registryarrangement.h"

#include <windows.h>

bool RegistryArrangement::setText(const std::wstring& key, const std::wstring& name,
                                  const std::wstring& text)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(text.c_str());
    return setData(key, name, REG_SZ,
                   std::vector<unsigned char>(begin, begin + (text.size() + 1) * sizeof(wchar_t)));
}

bool RegistryArrangement::setData(const std::wstring& key, const std::wstring& name,
                                  std::uint32_t type, const std::vector<unsigned char>& bytes)
{
    return RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), type, bytes.data(),
                           DWORD(bytes.size())) == ERROR_SUCCESS;
}

void RegistryArrangement::removeValue(const std::wstring& key, const std::wstring& name)
{
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str());
}

void RegistryArrangement::removeKey(const std::wstring& key)
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
}

void RegistryArrangement::clearToolLocations()
{
    // The MSINFO key itself belongs to a fresh prefix; only its value is ours.
    removeValue(toolPathKey, L"PATH");
    removeKey(toolFolderKey);
}
