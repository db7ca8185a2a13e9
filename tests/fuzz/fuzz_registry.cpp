// Registry values of every shape through GetKeyValue: any type, any bytes, any length the back
// end claims and any status it returns. The reader either fails cleanly (false, text emptied),
// throws its one documented error for a value without data, or converts by type; the key is
// closed on every way out and nothing outside the 1024-byte buffer is read.
#include "about/sysinfolauncher.h"
#include "platform/fileexistsservice.h"
#include "platform/messageboxservice.h"
#include "platform/programstartservice.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

constexpr std::array<RegistryService::Status, 6> statuses = {0, 2, 5, 6, 87, 234};

// One value with the shape the input gives it.
class ShapedRegistry final : public RegistryService {
public:
    Status openStatus = success;
    Status queryStatus = success;
    std::uint32_t type = 0;
    std::uint32_t claimedLength = 0;
    bool honest = false;
    std::vector<unsigned char> bytes;

    int opened = 0;
    int closed = 0;
    int queried = 0;

    Status RegOpenKeyExA(Key, const char*, std::uint32_t, std::uint32_t, Key* result) override
    {
        if (openStatus != success)
            return openStatus;
        *result = 0x1234;
        ++opened;
        return success;
    }
    Status RegQueryValueExA(Key key, const char*, std::uint32_t*, std::uint32_t* typeOut,
                            unsigned char* data, std::uint32_t* dataLength) override
    {
        check(key == 0x1234, "queried through the opened key");
        check(*dataLength == SysInfoLauncher::bufferSize, "read with a 1024-byte buffer");
        ++queried;
        *typeOut = type;
        const std::uint32_t room = *dataLength;
        if (!bytes.empty())
            std::memcpy(data, bytes.data(), std::min<std::size_t>(bytes.size(), room));
        if (honest) {
            *dataLength = std::uint32_t(bytes.size());
            return bytes.size() > room ? moreData : success;
        }
        *dataLength = claimedLength;
        return queryStatus;
    }
    Status RegCloseKey(Key key) override
    {
        check(key == (opened ? 0x1234 : 0), "closes the handle it was given");
        ++closed;
        return success;
    }
};

class NoFiles final : public FileExistsService {
public:
    bool FileExists(const std::string&) override { return false; }
};
class NoPrograms final : public ProgramStartService {
public:
    bool StartProgram(const std::string&) override { return false; }
};
class NoMessages final : public MessageBoxService {
public:
    void MsgBox(const std::string&) override {}
};

std::uint32_t word(const std::uint8_t* at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

// Code points of UTF-8 text: every byte that does not continue a sequence.
std::size_t characters(const std::string& text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 11)
        return 0;
    ShapedRegistry registry;
    registry.openStatus = statuses[(data[0] >> 4) % statuses.size()];
    registry.queryStatus = statuses[(data[0] & 0x0F) % statuses.size()];
    registry.honest = data[1] & 1;
    registry.type = word(data + 2) % 8 == 7 ? word(data + 2) : word(data + 2) % 8;
    registry.claimedLength = word(data + 6);
    if (data[1] & 2) // mostly lengths near the buffer's
        registry.claimedLength %= 1100;
    std::size_t at = 10;
    const std::size_t entryLength = std::min<std::size_t>(data[at], size - at - 1);
    ++at;
    const std::string onEntry(reinterpret_cast<const char*>(data + at), entryLength);
    at += entryLength;
    registry.bytes.assign(data + at, data + size);

    NoFiles files;
    NoPrograms programs;
    NoMessages messages;
    SysInfoLauncher launcher(registry, files, programs, messages);
    std::string value = onEntry;
    bool read = false;
    try {
        read =
            launcher.GetKeyValue(RegistryService::localMachine, "SOFTWARE\\Fuzz", "Value", value);
    } catch (const std::out_of_range&) {
        check(registry.queried == 1, "throws only after a read");
        const std::uint32_t length =
            registry.honest ? std::uint32_t(registry.bytes.size()) : registry.claimedLength;
        check(length == 0, "throws only for a value without data");
        check(registry.closed == 1, "key closed after the error");
        return 0;
    }
    check(registry.closed == 1, "key closed once");

    const bool opened = registry.openStatus == RegistryService::success;
    const bool fits = registry.honest ? registry.bytes.size() <= SysInfoLauncher::bufferSize
                                      : registry.queryStatus == RegistryService::success &&
                                            registry.claimedLength <= SysInfoLauncher::bufferSize;
    check(read == (opened && fits), "true exactly when opened and read within the buffer");
    if (!read) {
        check(value.empty(), "a failed read leaves the text empty");
        return 0;
    }

    const std::uint32_t length =
        registry.honest ? std::uint32_t(registry.bytes.size()) : registry.claimedLength;
    // The buffer as the reader saw it: what was stored, then zeros.
    std::vector<unsigned char> buffer(SysInfoLauncher::bufferSize, 0);
    std::copy_n(registry.bytes.begin(), std::min<std::size_t>(registry.bytes.size(), buffer.size()),
                buffer.begin());
    switch (registry.type) {
    case RegistryService::typeSz: {
        check(characters(value) <= length, "no more characters than bytes");
        std::string expected(buffer.begin(), buffer.begin() + length);
        if (expected.back() == '\0')
            expected.pop_back();
        check(value == expected, "the string is the data less one terminating zero");
        break;
    }
    case RegistryService::typeDword: {
        std::uint32_t number = 0;
        for (std::uint32_t i = 0; i < 4 && i < length; ++i)
            number |= std::uint32_t(buffer[i]) << (8 * i);
        check(value == std::to_string(number), "the number of the first four bytes");
        break;
    }
    default:
        check(value == onEntry, "other types leave the text as it was");
    }
    return 0;
}
