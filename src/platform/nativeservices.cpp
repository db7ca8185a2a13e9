#include "platform/nativeservices.h"

#ifdef _WIN32
#include "platform/windowsprogramstartservice.h"
#include "platform/windowsregistry.h"
#else
#include "platform/inprocessregistry.h"
#include "platform/posixprogramstartservice.h"

#include <cstdlib>
#endif

std::unique_ptr<RegistryService> NativeServices::registry()
{
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    const char* path = std::getenv("PATH");
    return std::make_unique<InProcessRegistry>(InProcessRegistry::desktop(path ? path : ""));
#endif
}

std::unique_ptr<ProgramStartService> NativeServices::programStarter()
{
#ifdef _WIN32
    return std::make_unique<WindowsProgramStartService>();
#else
    return std::make_unique<PosixProgramStartService>();
#endif
}
