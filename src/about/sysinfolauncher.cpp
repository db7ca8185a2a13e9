#include "about/sysinfolauncher.h"

#include "platform/fileexistsservice.h"
#include "platform/messageboxservice.h"
#include "platform/programstartservice.h"

#include <array>
#include <stdexcept>

namespace {

// Closes the key on every way out, errors included.
class OpenKey {
public:
    explicit OpenKey(RegistryService& registry)
        : registry(registry)
    {
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() { registry.RegCloseKey(handle); }

    RegistryService::Key handle = 0;

private:
    RegistryService& registry;
};

} // namespace

SysInfoLauncher::SysInfoLauncher(RegistryService& registry, FileExistsService& files,
                                 ProgramStartService& programs, MessageBoxService& messages)
    : registry(registry)
    , files(files)
    , programs(programs)
    , messages(messages)
{
}

void SysInfoLauncher::StartSysInfo(QWidget& window) noexcept
{
    try {
        QString ToolPath;
        bool found =
            GetKeyValue(RegistryService::localMachine, toolPathKey, toolPathValue, ToolPath);
        if (!found &&
            GetKeyValue(RegistryService::localMachine, toolFolderKey, toolFolderValue, ToolPath)) {
            found = files.exists(ToolPath + toolFile);
            if (found)
                ToolPath += toolFile;
        }
        // An empty path (a value of a type that is not converted) has nothing to start.
        if (found && !ToolPath.isEmpty() && programs.start(ToolPath))
            return;
    } catch (...) {
    }
    try {
        messages.show(window, unavailableMessage);
    } catch (...) {
    }
}

bool SysInfoLauncher::GetKeyValue(RegistryService::Key KeyRoot, const QString& KeyName,
                                  const QString& SubKeyRef, QString& KeyVal)
{
    OpenKey KeyHandle(registry);
    if (registry.RegOpenKeyExA(KeyRoot, KeyName, 0, RegistryService::keyRead, &KeyHandle.handle) !=
        RegistryService::success) {
        KeyHandle.handle = 0;
        KeyVal.clear();
        return false;
    }

    std::array<unsigned char, bufferSize> DataBuffer{};
    std::uint32_t DataLength = bufferSize;
    std::uint32_t DataType = 0;
    if (registry.RegQueryValueExA(KeyHandle.handle, SubKeyRef, &DataType, DataBuffer.data(),
                                  &DataLength) != RegistryService::success ||
        DataLength > bufferSize) {
        KeyVal.clear();
        return false;
    }
    // A value without data is not missing; it cannot be read as text, and the caller learns so.
    if (DataLength == 0)
        throw std::out_of_range("registry value without data");

    switch (DataType) {
    case RegistryService::typeSz: {
        qsizetype length = DataLength;
        if (DataBuffer[length - 1] == 0)
            --length;
        // Zeros inside the data stay characters of the text.
        KeyVal = QString::fromLocal8Bit(reinterpret_cast<const char*>(DataBuffer.data()), length);
        break;
    }
    case RegistryService::typeDword: {
        // Little-endian; missing high bytes count as zero.
        std::uint32_t number = 0;
        for (std::uint32_t at = 0; at < 4 && at < DataLength; ++at)
            number |= std::uint32_t{DataBuffer[at]} << (8 * at);
        KeyVal = QString::number(number);
        break;
    }
    default:
        break;
    }
    return true;
}
