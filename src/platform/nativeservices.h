#pragma once

#include "platform/programstartservice.h"
#include "platform/registryservice.h"

#include <memory>

// The back ends of this operating system.
class NativeServices {
public:
    // On Windows the system registry; elsewhere the in-process one of the desktop, built from
    // the executable search path at the time of the call.
    static std::unique_ptr<RegistryService> registry();
    static std::unique_ptr<ProgramStartService> programStarter();
};
