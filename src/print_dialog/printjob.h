#pragma once

#include "platform/printerservice.h"

#include <QString>

class MessageBoxService;
class QImage;
class QWidget;

// One press of OK: the image on the default printer, or a message box over the window saying
// why it could not be printed.
class PrintJob {
public:
    PrintJob(PrinterService& printer, MessageBoxService& messages);

    bool print(const QImage& image, QWidget& window);
    // "Error!!" and one line with the reason; CR LF between them.
    static QString failureMessage(PrinterService::Outcome outcome);

private:
    PrinterService& printer;
    MessageBoxService& messages;
};
