#pragma once

#include "platform/registryservice.h"

class FileExistsService;
class MessageBoxService;
class ProgramStartService;
class QWidget;

// Finds the operating system's System Information tool through the registry and starts it.
class SysInfoLauncher {
public:
    static inline const QString unavailableMessage =
        QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");
    static inline const QString toolPathKey =
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    static inline const QString toolPathValue = QStringLiteral("PATH");
    static inline const QString toolFolderKey =
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
    static inline const QString toolFolderValue = QStringLiteral("MSINFO");
    static inline const QString toolFile = QStringLiteral("\\MSINFO32.EXE");
    static constexpr std::uint32_t bufferSize = 1024;

    SysInfoLauncher(RegistryService& registry, FileExistsService& files,
                    ProgramStartService& programs, MessageBoxService& messages);

    // Starts the tool, or tells the user it cannot in a message box over the window; never lets
    // an error out.
    void StartSysInfo(QWidget& window) noexcept;

    // Reads one value as text into KeyVal: strings converted from the system code page,
    // numbers (REG_DWORD) as decimal text, other types leave KeyVal as it was. False, with
    // KeyVal emptied, when the key cannot be opened for reading or the value is missing or
    // longer than the buffer. A value with no data at all throws std::out_of_range.
    bool GetKeyValue(RegistryService::Key KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);

private:
    RegistryService& registry;
    FileExistsService& files;
    ProgramStartService& programs;
    MessageBoxService& messages;
};
