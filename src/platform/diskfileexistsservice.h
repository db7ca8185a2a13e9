#pragma once

#include "platform/fileexistsservice.h"

class DiskFileExistsService final : public FileExistsService {
public:
    bool FileExists(const std::string& utf8Path) override;
};
