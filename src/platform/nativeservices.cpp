#include "platform/nativeservices.h"

#include "platform/detachedprogramstartservice.h"
#include "platform/diskfileexistsservice.h"

#ifdef Q_OS_WIN
#include "platform/windowsregistry.h"
#else
#include "platform/searchpathregistry.h"
#endif

std::unique_ptr<RegistryService>
NativeServices::registry([[maybe_unused]] const QString& keyPath,
                         [[maybe_unused]] const QString& valueName,
                         [[maybe_unused]] const QStringList& programs)
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<SearchPathRegistry>(keyPath, valueName, programs);
#endif
}

std::unique_ptr<ProgramStartService> NativeServices::programStarter()
{
    return std::make_unique<DetachedProgramStartService>();
}

std::unique_ptr<FileExistsService> NativeServices::fileTest()
{
    return std::make_unique<DiskFileExistsService>();
}
