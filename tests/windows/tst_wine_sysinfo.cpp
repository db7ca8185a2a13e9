// The System Information lookup in a Wine prefix: its real registry, its file system and
// programs started with CreateProcess.
#include "about/sysinfolauncher.h"
#include "fakeservices.h"
#include "platform/diskfileexistsservice.h"
#include "platform/windowsprogramstartservice.h"
#include "recordingregistry.h"
#include "registryarrangement.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <windows.h>

namespace fs = std::filesystem;

namespace {

const std::string message = "現時点ではｼｽﾃﾑ情報を使用できません";
const fs::path scratch = L"C:\\Nubika Tests";
const fs::path spaced = L"C:\\Program Files\\Nubika Tests";
const fs::path decoy = L"C:\\Program.exe";

fs::path markerProgram()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(std::wstring(self, length)).parent_path() / L"nubika_marker.exe";
}

fs::path markerOf(const fs::path& program)
{
    return program.wstring() + L".started";
}

// Polls for the file a started marker program writes, or the one of a program that must not
// run; empty text when none comes.
std::string awaitMarker(const fs::path& program, const fs::path& wrongProgram = {})
{
    const fs::path marker = markerOf(program);
    const auto written = [&] {
        return fs::exists(marker) || (!wrongProgram.empty() && fs::exists(markerOf(wrongProgram)));
    };
    for (int tenths = 0; tenths < 600 && !written(); ++tenths)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::ifstream in(marker, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class WineSysInfo : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegistryArrangement::clearToolLocations();
        fs::create_directories(scratch / L"Empty");
        fs::create_directories(scratch / L"Tools");
        fs::create_directories(spaced);
    }
    void TearDown() override
    {
        RegistryArrangement::clearToolLocations();
        std::error_code ignored;
        fs::remove_all(scratch, ignored);
        fs::remove_all(spaced, ignored);
        fs::remove(decoy, ignored);
        fs::remove(markerOf(decoy), ignored);
    }

    // Puts a copy of the marker program at path.
    static void install(const fs::path& path)
    {
        fs::copy_file(markerProgram(), path, fs::copy_options::overwrite_existing);
    }

    void startWith(ProgramStartService& starter)
    {
        SysInfoLauncher(registry, files, starter, messages).StartSysInfo();
        EXPECT_TRUE(registry.open.empty());
    }

    RecordingRegistry registry;
    DiskFileExistsService files;
    FakePrograms programs;
    WindowsProgramStartService realPrograms;
    FakeMessages messages;
};

TEST_F(WineSysInfo, FreshPrefixHasNoToolToStart)
{
    // Wine creates the first key, without its value; the second does not exist.
    startWith(programs);
    EXPECT_TRUE(programs.started.empty());
    EXPECT_EQ(messages.shown, std::vector<std::string>{message});
    EXPECT_EQ(registry.opens.size(), 2u);
}

TEST_F(WineSysInfo, FirstLocationIsStartedUnchanged)
{
    ASSERT_TRUE(RegistryArrangement::setText(RegistryArrangement::toolPathKey, L"PATH",
                                             L"C:\\Nowhere\\tool.exe"));
    ASSERT_TRUE(RegistryArrangement::setText(RegistryArrangement::toolFolderKey, L"MSINFO",
                                             L"C:\\windows\\system32"));
    startWith(programs);
    EXPECT_EQ(programs.started, std::vector<std::string>{"C:\\Nowhere\\tool.exe"});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(registry.opens.size(), 1u);
}

TEST_F(WineSysInfo, FallsBackToAFolderHoldingTheTool)
{
    // Wine's own system folder holds msinfo32.exe in lower case; the file test ignores case.
    for (const std::wstring folder : {L"C:\\windows\\system32", L"C:\\Nubika Tests\\Tools\\"}) {
        programs.started.clear();
        install(scratch / L"Tools" / L"MSINFO32.EXE");
        ASSERT_TRUE(
            RegistryArrangement::setText(RegistryArrangement::toolFolderKey, L"MSINFO", folder));
        startWith(programs);
        EXPECT_EQ(programs.started, std::vector<std::string>{utf8(folder) + "\\MSINFO32.EXE"});
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WineSysInfo, ShowsTheMessageWhenNothingCanBeStarted)
{
    // A folder without the tool.
    ASSERT_TRUE(RegistryArrangement::setText(RegistryArrangement::toolFolderKey, L"MSINFO",
                                             (scratch / L"Empty").wstring()));
    startWith(programs);
    EXPECT_TRUE(programs.started.empty());

    // An over-long path counts as missing, and the folder still has no tool.
    ASSERT_TRUE(RegistryArrangement::setText(RegistryArrangement::toolPathKey, L"PATH",
                                             std::wstring(1100, L'x')));
    startWith(programs);
    EXPECT_TRUE(programs.started.empty());

    // A path to no file fails to start for real.
    ASSERT_TRUE(RegistryArrangement::setText(RegistryArrangement::toolPathKey, L"PATH",
                                             (scratch / L"absent.exe").wstring()));
    startWith(realPrograms);

    // A value with no data.
    ASSERT_TRUE(
        RegistryArrangement::setData(RegistryArrangement::toolPathKey, L"PATH", REG_SZ, {}));
    startWith(realPrograms);

    EXPECT_EQ(messages.shown, std::vector<std::string>(4, message));
}

TEST_F(WineSysInfo, StartsAPathWithSpacesAsOneProgram)
{
    // Were the path split at its first space, C:\Program.exe would run instead.
    install(decoy);
    const fs::path tool = spaced / L"msinfo32.exe";
    install(tool);
    ASSERT_TRUE(
        RegistryArrangement::setText(RegistryArrangement::toolPathKey, L"PATH", tool.wstring()));

    startWith(realPrograms);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(awaitMarker(tool, decoy), "\"" + utf8(tool) + "\"");
    EXPECT_FALSE(fs::exists(markerOf(decoy)));
}

TEST_F(WineSysInfo, StartsTheToolFoundInTheFolder)
{
    const fs::path tool = scratch / L"Tools" / L"MSINFO32.EXE";
    install(tool);
    ASSERT_TRUE(RegistryArrangement::setText(RegistryArrangement::toolFolderKey, L"MSINFO",
                                             tool.parent_path().wstring()));

    startWith(realPrograms);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(awaitMarker(tool), "\"" + utf8(tool) + "\"");
}

} // namespace
