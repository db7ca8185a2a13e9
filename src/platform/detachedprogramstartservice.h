#pragma once

#include "platform/programstartservice.h"

// Not waited for; on Unix in a session of its own, leaving no zombie behind.
class DetachedProgramStartService final : public ProgramStartService {
public:
    bool start(const QString& path) override;
};
