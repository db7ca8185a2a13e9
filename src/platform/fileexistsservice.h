#pragma once

#include <QString>

// Tells whether a normal file exists: not a folder, and on Windows neither hidden nor a
// system file.
class FileExistsService {
public:
    virtual ~FileExistsService() = default;
    virtual bool exists(const QString& path) = 0;
};
