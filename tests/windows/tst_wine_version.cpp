// The program's version record and icon as Windows reads them from an executable built with
// the program's resource script.
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::wstring ownPath()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::wstring(self, length);
}

class VersionRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(ownPath().c_str(), &ignored);
        ASSERT_GT(size, 0u);
        data.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(ownPath().c_str(), 0, size, data.data()));
    }

    template <typename T> const T* query(const std::wstring& path, UINT* length = nullptr)
    {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(data.data(), path.c_str(), &value, &size))
            return nullptr;
        if (length)
            *length = size;
        return static_cast<const T*>(value);
    }

    std::vector<unsigned char> data;
};

TEST_F(VersionRecord, NumbersAreThreeZeroZeroOne)
{
    const auto* fixed = query<VS_FIXEDFILEINFO>(L"\\");
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00030000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00030000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));
}

TEST_F(VersionRecord, JapaneseUnicodeStrings)
{
    UINT length = 0;
    const auto* translation = query<WORD>(L"\\VarFileInfo\\Translation", &length);
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);

    const std::vector<std::pair<std::wstring, std::wstring>> expected{
        {L"FileDescription", L"ver2.0.0よりバージョンアップ"},
        {L"FileVersion", L"3.00.0001"},
        {L"LegalTrademarks", L"ヌビカ"},
        {L"ProductName", L"ヌビカ"},
        {L"ProductVersion", L"3.00.0001"},
    };
    for (const auto& [name, text] : expected) {
        const auto* value = query<wchar_t>(L"\\StringFileInfo\\041104B0\\" + name);
        ASSERT_NE(value, nullptr) << std::string(name.begin(), name.end());
        EXPECT_EQ(std::wstring(value), text) << std::string(name.begin(), name.end());
    }
}

// The name lives only during the call: a string name is copied.
BOOL CALLBACK firstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<std::wstring*>(found) =
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name;
    return FALSE;
}

std::vector<unsigned char> resource(LPCWSTR name, LPCWSTR type)
{
    const HRSRC found = FindResourceW(nullptr, name, type);
    if (!found)
        return {};
    const auto* bytes =
        static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    return {bytes, bytes + SizeofResource(nullptr, found)};
}

TEST(ProgramIcon, IsTheIconFileAtBothSizes)
{
    std::wstring group;
    EnumResourceNamesW(nullptr, RT_GROUP_ICON, firstName, reinterpret_cast<LONG_PTR>(&group));
    ASSERT_FALSE(group.empty());
    std::vector<unsigned char> directory = resource(group.c_str(), RT_GROUP_ICON);
    ASSERT_GE(directory.size(), 6u);

    std::ifstream in(NUBIKA_ICON_FILE, std::ios::binary);
    const std::vector<unsigned char> file{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GE(file.size(), 6u);
    ASSERT_EQ(directory[4], file[4]); // the same number of images

    for (int size : {16, 32}) {
        const int id = LookupIconIdFromDirectoryEx(directory.data(), TRUE, size, size, 0);
        ASSERT_NE(id, 0) << size;
        const std::vector<unsigned char> image = resource(MAKEINTRESOURCEW(id), RT_ICON);
        // The file's entry of this size holds the same bitmap.
        bool matched = false;
        for (std::size_t entry = 6; entry + 16 <= file.size() && !matched; entry += 16) {
            if (file[entry] != size)
                continue;
            const auto at = [&](std::size_t i) {
                return std::size_t(file[i]) | std::size_t(file[i + 1]) << 8 |
                       std::size_t(file[i + 2]) << 16 | std::size_t(file[i + 3]) << 24;
            };
            const std::size_t length = at(entry + 8);
            const std::size_t offset = at(entry + 12);
            ASSERT_LE(offset + length, file.size());
            matched = image == std::vector<unsigned char>(file.begin() + offset,
                                                          file.begin() + offset + length);
        }
        EXPECT_TRUE(matched) << size;
        const HICON icon =
            CreateIconFromResourceEx(const_cast<unsigned char*>(image.data()), DWORD(image.size()),
                                     TRUE, 0x00030000, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        if (icon)
            DestroyIcon(icon);
    }
}

} // namespace
