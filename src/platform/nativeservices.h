#pragma once

#include "platform/programstartservice.h"

#include <memory>

// The back ends of this operating system.
class NativeServices {
public:
    static std::unique_ptr<ProgramStartService> programStarter();
};
