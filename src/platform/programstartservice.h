#pragma once

#include <QString>

// Starts another program and leaves it to run on its own.
class ProgramStartService {
public:
    virtual ~ProgramStartService() = default;
    // Starts the program the text names, read up to its first zero character, with no arguments
    // and a normal focused window; does not wait for it. False when it cannot start.
    virtual bool start(const QString& path) = 0;
};
