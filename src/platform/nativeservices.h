#pragma once

#include "platform/fileexistsservice.h"
#include "platform/programstartservice.h"
#include "platform/registryservice.h"

#include <QStringList>
#include <memory>

// The one place that chooses this operating system's back ends.
class NativeServices {
public:
    // The system's registry. Where there is none, a stand-in whose one value, valueName of keyPath
    // under HKEY_LOCAL_MACHINE, is the full path of the first of the programs found on the search
    // path.
    static std::unique_ptr<RegistryService>
    registry(const QString& keyPath, const QString& valueName, const QStringList& programs);
    static std::unique_ptr<ProgramStartService> programStarter();
    static std::unique_ptr<FileExistsService> fileTest();
};
