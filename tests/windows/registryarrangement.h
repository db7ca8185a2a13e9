#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the values a test needs into the machine's registry, through the system's own Unicode
// calls rather than the code under test.
class RegistryArrangement {
public:
    static constexpr const wchar_t* toolPathKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const wchar_t* toolFolderKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";

    // Under HKEY_LOCAL_MACHINE; false when the system refuses.
    static bool setText(const std::wstring& key, const std::wstring& name,
                        const std::wstring& text);
    static bool setData(const std::wstring& key, const std::wstring& name, std::uint32_t type,
                        const std::vector<unsigned char>& bytes);
    static void removeValue(const std::wstring& key, const std::wstring& name);
    static void removeKey(const std::wstring& key);

    // Both places the System Information tool is looked up, emptied.
    static void clearToolLocations();
};
