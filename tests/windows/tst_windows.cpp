// The Windows back ends in a Wine prefix, and the version resource. Copies of this program under
// other names stand in for started programs: each writes its command line to C:\started.txt.
#include "about/sysinfolauncher.h"
#include "platform/diskfileexistsservice.h"
#include "platform/messageboxservice.h"
#include "platform/windowsprogramstartservice.h"
#include "platform/windowsregistry.h"

#include <fstream>
#include <gtest/gtest.h>
#include <windows.h>

using std::string;
const string self = _pgmptr, tool = "C:\\Program Files\\Nubika Tests\\MSINFO32.EXE";
struct : MessageBoxService {
    int shown = 0;
    void show(const string&) override { ++shown; }
} messages;
WindowsRegistry registry;
DiskFileExistsService files;
WindowsProgramStartService starter;
SysInfoLauncher launcher(registry, files, starter, messages);

string started() // the command line of the program started, or nothing within 30 s
{
    string line;
    for (int tenths = 0; tenths < 300 && line.empty(); ++tenths, Sleep(100))
        std::getline(std::ifstream("C:\\started.txt"), line);
    DeleteFileA("C:\\started.txt");
    return line;
}

TEST(Windows, ReadsRegistryValuesInCodePage932)
{
    const auto read = [](const char* name) {
        string text = "before";
        const char* key = "SOFTWARE\\Nubika Tests";
        return launcher.GetKeyValue(RegistryService::localMachine, key, name, text) ? text : "-";
    };
    EXPECT_EQ(read("Japanese"), "C:\\ツール\\情報.exe");
    EXPECT_EQ(read("Number"), std::to_string(0x4D3C2B1A));
    EXPECT_EQ(read("Long"), "-"); // over 1024 bytes
    EXPECT_THROW(read("Empty"), std::out_of_range);
}

// By name, in quotes, with a space beside C:\Program.exe, cut at a zero; by the launcher if normal.
TEST(Windows, StartsOneProgramWithItsNameInQuotes)
{
    const string quoted = '"' + tool + '"';
    for (const string& text :
         {string("nubikamarker"), quoted, tool, tool + '\0' + "C:\\Program.exe"})
        EXPECT_EQ(starter.start(text) ? started() : "-",
                  text[0] == 'n' ? "\"nubikamarker\"" : quoted);
    for (const DWORD attributes : {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY,
                                   FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        const bool normal =
            attributes == FILE_ATTRIBUTE_NORMAL || attributes == FILE_ATTRIBUTE_READONLY;
        ASSERT_TRUE(SetFileAttributesA(tool.c_str(), attributes));
        messages.shown = 0;
        launcher.StartSysInfo();
        EXPECT_EQ(messages.shown, normal ? 0 : 1);
        EXPECT_EQ(normal ? started() : "", normal ? quoted : "");
        SetFileAttributesA(tool.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(Windows, VersionResourceCarriesTheProjectVersion)
{
    std::vector<char> data(GetFileVersionInfoSizeA(self.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(self.c_str(), 0, DWORD(data.size()), data.data()));
    const auto query = [&](const std::wstring& name, void* value = nullptr, UINT size = 0) {
        return VerQueryValueW(data.data(), name.c_str(), &value, &size) ? value : nullptr;
    };
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
    const auto* language = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation"));
    const DWORD high = MAKELONG(VERSION_MINOR, VERSION_MAJOR), low = VERSION_PATCH;
    EXPECT_EQ(std::vector<DWORD>({fixed->dwFileVersionMS, fixed->dwFileVersionLS,
                                  fixed->dwProductVersionMS, fixed->dwProductVersionLS}),
              std::vector<DWORD>({high, low, high, low}));
    EXPECT_EQ(std::vector<WORD>(language, language + 2), std::vector<WORD>({0x0411, 1200}));
    wchar_t version[16];
    swprintf(version, 16, L"%d.%02d.%04d", VERSION_MAJOR, VERSION_MINOR, VERSION_PATCH);
    const auto text = [&](const std::wstring& name) {
        return static_cast<const wchar_t*>(query(L"\\StringFileInfo\\041104B0\\" + name));
    };
    EXPECT_STREQ(text(L"FileVersion"), version);
    EXPECT_STREQ(text(L"ProductVersion"), version);
    EXPECT_STREQ(text(L"FileDescription"), L"ver2.0.0よりバージョンアップ");
    EXPECT_STREQ(text(L"LegalTrademarks"), L"ヌビカ");
    EXPECT_GT(ExtractIconExA(self.c_str(), -1, nullptr, nullptr, 0), 0u); // icons
}

int main(int argc, char** argv)
{
    if (!self.ends_with("\\tst_windows.exe")) // a stand-in
        return std::ofstream("C:\\started.txt") << GetCommandLineA() ? 0 : 1;
    CreateDirectoryA("C:\\Program Files\\Nubika Tests", nullptr); // named in the .reg file
    for (const char* copy :
         {tool.c_str(), "C:\\Program.exe", "C:\\windows\\system32\\nubikamarker.exe"})
        CopyFileA(self.c_str(), copy, FALSE);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
