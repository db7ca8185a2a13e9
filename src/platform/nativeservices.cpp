#include "platform/nativeservices.h"

#ifdef _WIN32
#include "platform/windowsprogramstartservice.h"
#else
#include "platform/posixprogramstartservice.h"
#endif

std::unique_ptr<ProgramStartService> NativeServices::programStarter()
{
#ifdef _WIN32
    return std::make_unique<WindowsProgramStartService>();
#else
    return std::make_unique<PosixProgramStartService>();
#endif
}
