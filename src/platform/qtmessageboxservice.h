#pragma once

#include "platform/messageboxservice.h"

class QtMessageBoxService final : public MessageBoxService {
public:
    explicit QtMessageBoxService(QString caption);
    void show(QWidget& window, const QString& prompt) override;

private:
    QString caption;
};
