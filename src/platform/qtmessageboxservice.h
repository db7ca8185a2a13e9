#pragma once

#include "platform/messageboxservice.h"

#include <QString>

class QtMessageBoxService final : public MessageBoxService {
public:
    explicit QtMessageBoxService(QString caption);
    void show(const std::string& prompt) override;

private:
    QString caption;
};
