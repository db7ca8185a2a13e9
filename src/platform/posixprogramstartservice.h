#pragma once

#include "platform/programstartservice.h"

class PosixProgramStartService final : public ProgramStartService {
public:
    bool StartProgram(const std::string& utf8Path) override;
};
