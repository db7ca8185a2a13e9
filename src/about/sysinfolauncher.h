#pragma once

#include "platform/registryservice.h"

#include <memory>
#include <string>

class FileExistsService;
class MessageBoxService;
class ProgramStartService;

// Finds the operating system's System Information tool through the registry and starts it.
class SysInfoLauncher {
public:
    static constexpr const char* unavailableMessage = "現時点ではｼｽﾃﾑ情報を使用できません";
    static constexpr const char* toolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char* toolPathValue = "PATH";
    static constexpr const char* toolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr const char* toolFolderValue = "MSINFO";
    static constexpr const char* toolFile = "\\MSINFO32.EXE";
    static constexpr std::uint32_t bufferSize = 1024;

    // What the launcher reads on this system: the Windows registry, or elsewhere one that
    // answers the tool's path with the first of kinfocenter (KDE's Info Center) and hardinfo
    // found on the search path.
    static std::unique_ptr<RegistryService> systemRegistry();

    SysInfoLauncher(RegistryService& registry, FileExistsService& files,
                    ProgramStartService& programs, MessageBoxService& messages);

    // Starts the tool, or tells the user it cannot; never lets an error out.
    void StartSysInfo() noexcept;

    // Reads one value as text into KeyVal: strings converted from the system code page,
    // numbers (REG_DWORD) as decimal text, other types leave KeyVal as it was. False, with
    // KeyVal emptied, when the key cannot be opened for reading or the value is missing or
    // longer than the buffer. A value with no data at all throws std::out_of_range.
    bool GetKeyValue(RegistryService::Key KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal);

private:
    RegistryService& registry;
    FileExistsService& files;
    ProgramStartService& programs;
    MessageBoxService& messages;
};
