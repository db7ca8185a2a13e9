#pragma once

#include "platform/programstartservice.h"

class PosixProgramStartService final : public ProgramStartService {
public:
    bool start(const std::string& utf8Path) override;
};
