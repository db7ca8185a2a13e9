// Any value and failure read through GetKeyValue: only the documented error escapes, every key
// opened is closed, a failed read empties the text, other types keep it, strings fit their bytes.
#include "about/sysinfolauncher.h"
#include "support/fakeregistry.h"
#include "support/fakes.h"

#include <stdexcept>

using R = RegistryService;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // Byte 0: the type; byte 1: a status (a failure unless 0), of the opening when odd; then data.
    const std::uint32_t type = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
    FakeRegistry registry;
    registry.keys["K"]["V"] = {type, bytes};
    if (data[1] != 0)
        (data[1] % 2 ? registry.openFails : registry.queryFails)["K"] = data[1];
    FakeFiles files;
    FakeStarter starter;
    FakeMessageBox messages;
    std::string text = "before";
    try {
        const bool read = SysInfoLauncher(registry, files, starter, messages)
                              .GetKeyValue(R::localMachine, "K", "V", text);
        const bool converted = type == R::typeSz || type == R::typeDword;
        if (!read       ? !text.empty()
            : converted ? type == R::typeSz && text.size() > bytes.size()
                        : text != "before")
            __builtin_trap();
    } catch (const std::out_of_range&) {
        if (!bytes.empty()) // only for a value without data
            __builtin_trap();
    }
    if (registry.opened != registry.closed)
        __builtin_trap();
    return 0;
}
