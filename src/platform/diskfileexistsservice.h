#pragma once

#include "platform/fileexistsservice.h"

class DiskFileExistsService final : public FileExistsService {
public:
    bool exists(const QString& path) override;
};
