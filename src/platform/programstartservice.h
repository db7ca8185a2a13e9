#pragma once

#include <string>

// Starts another program and leaves it to run on its own.
class ProgramStartService {
public:
    virtual ~ProgramStartService() = default;
    // Starts the executable at utf8Path, the whole text being one path, with no arguments,
    // no shell and a normal focused window; does not wait for it. False when it cannot start.
    virtual bool StartProgram(const std::string& utf8Path) = 0;
};
