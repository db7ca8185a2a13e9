// The registry reader against Wine's real registry. The values come from the .reg file that
// run-under-wine imports with Wine's own reg.exe.
#include "about/sysinfolauncher.h"
#include "fakeservices.h"
#include "recordingregistry.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>
#include <windows.h>

namespace {

const std::string key = "SOFTWARE\\Nubika Tests";
constexpr auto machine = RegistryService::localMachine;

class WineRegistry : public ::testing::Test {
protected:
    bool read(const std::string& keyName, const std::string& value, std::string& text)
    {
        return launcher.GetKeyValue(machine, keyName, value, text);
    }

    RecordingRegistry registry;
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher{registry, files, programs, messages};
};

// What the launcher relies on from advapi32 itself.
TEST_F(WineRegistry, QueryReportsLengthsAsTheLauncherExpects)
{
    RegistryService::Key handle = 0;
    ASSERT_EQ(registry.RegOpenKeyExA(machine, key.c_str(), 0, RegistryService::keyRead, &handle),
              RegistryService::success);

    // A string's length counts its terminating zero.
    std::vector<unsigned char> buffer(1024, 0xCC);
    std::uint32_t type = 0;
    std::uint32_t length = 1024;
    ASSERT_EQ(registry.RegQueryValueExA(handle, "Text", nullptr, &type, buffer.data(), &length),
              RegistryService::success);
    const std::string text = "C:\\Program Files\\Tools\\msinfo32.exe";
    EXPECT_EQ(type, RegistryService::typeSz);
    EXPECT_EQ(length, text.size() + 1);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + length), text + '\0');

    // Too long for the buffer: more data, and the length needed.
    length = 1024;
    EXPECT_EQ(registry.RegQueryValueExA(handle, "Long", nullptr, &type, buffer.data(), &length),
              RegistryService::moreData);
    EXPECT_EQ(length, 1101u);

    // No data at all: nothing written.
    std::fill(buffer.begin(), buffer.end(), 0xCC);
    length = 1024;
    ASSERT_EQ(registry.RegQueryValueExA(handle, "Empty", nullptr, &type, buffer.data(), &length),
              RegistryService::success);
    EXPECT_EQ(type, RegistryService::typeSz);
    EXPECT_EQ(length, 0u);
    EXPECT_TRUE(
        std::all_of(buffer.begin(), buffer.end(), [](unsigned char c) { return c == 0xCC; }));

    length = 1024;
    EXPECT_EQ(registry.RegQueryValueExA(handle, "Absent", nullptr, &type, buffer.data(), &length),
              RegistryService::fileNotFound);
    EXPECT_EQ(registry.RegCloseKey(handle), RegistryService::success);

    EXPECT_EQ(registry.RegOpenKeyExA(machine, "SOFTWARE\\Nubika Absent", 0,
                                     RegistryService::keyRead, &handle),
              RegistryService::fileNotFound);
}

TEST_F(WineRegistry, ReadsStringsAndNumbers)
{
    std::string text = "old";
    EXPECT_TRUE(read(key, "Text", text));
    EXPECT_EQ(text, "C:\\Program Files\\Tools\\msinfo32.exe");

    // 1023 characters and the zero fill the buffer exactly.
    text.clear();
    EXPECT_TRUE(read(key, "Exactly1024", text));
    EXPECT_EQ(text, std::string(1023, 'a'));

    text = "12";
    EXPECT_TRUE(read(key, "Number", text));
    EXPECT_EQ(text, "1295788826");

    // A type that is not converted leaves the text as it came in.
    text = "kept";
    EXPECT_TRUE(read(key, "Expandable", text));
    EXPECT_EQ(text, "kept");
}

TEST_F(WineRegistry, ConvertsFromTheJapaneseCodePage)
{
    ASSERT_EQ(GetACP(), 932u) << "run-under-wine sets LC_ALL=ja_JP.UTF-8";
    std::string text;
    EXPECT_TRUE(read(key, "Japanese", text));
    EXPECT_EQ(text, "C:\\ツール\\情報.exe");
}

TEST_F(WineRegistry, MissingOrOverlongCountsAsAbsent)
{
    for (const auto& [keyName, value] : std::vector<std::pair<std::string, std::string>>{
             {key, "Long"}, {key, "Absent"}, {"SOFTWARE\\Nubika Absent", "Text"}}) {
        std::string text = "old";
        EXPECT_FALSE(read(keyName, value, text)) << keyName << " " << value;
        EXPECT_EQ(text, "") << keyName << " " << value;
    }
}

TEST_F(WineRegistry, ValueWithoutDataThrows)
{
    std::string text;
    EXPECT_THROW(read(key, "Empty", text), std::out_of_range);
    EXPECT_TRUE(registry.open.empty());
}

TEST_F(WineRegistry, OpensForReadingOnlyAndClosesEveryKey)
{
    std::string text;
    read(key, "Text", text);
    read(key, "Long", text);
    read("SOFTWARE\\Nubika Absent", "Text", text);

    ASSERT_EQ(registry.opens.size(), 3u);
    for (const auto& open : registry.opens) {
        EXPECT_EQ(open.root, machine);
        EXPECT_EQ(open.options, 0u);
        EXPECT_EQ(open.access, 0x20019u); // KEY_READ: nothing is written
    }
    EXPECT_EQ(registry.lengthsIn, (std::vector<std::uint32_t>{1024, 1024}));
    EXPECT_FALSE(registry.reservedPassed);
    EXPECT_TRUE(registry.open.empty());
}

} // namespace
