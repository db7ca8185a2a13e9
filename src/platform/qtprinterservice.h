#pragma once

#include "platform/printerservice.h"

#include <QString>

// Prints through Qt's print support (CUPS on Linux) on the system's default printer.
class QtPrinterService final : public PrinterService {
public:
    explicit QtPrinterService(QString documentName);
    Outcome print(const QImage& image) override;

private:
    QString documentName;
};
