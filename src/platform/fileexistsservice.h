#pragma once

#include <string>

// Tells whether a normal file exists.
class FileExistsService {
public:
    virtual ~FileExistsService() = default;
    virtual bool FileExists(const std::string& utf8Path) = 0;
};
