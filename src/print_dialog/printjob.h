#pragma once

#include "platform/printerservice.h"

#include <string>

class MessageBoxService;
class QImage;

// One press of OK: the image on the default printer, or a message box saying why it could
// not be printed.
class PrintJob {
public:
    PrintJob(PrinterService& printer, MessageBoxService& messages);

    bool print(const QImage& image);
    // "Error!!" and one line with the reason; CR LF between them.
    static std::string failureMessage(PrinterService::Outcome outcome);

private:
    PrinterService& printer;
    MessageBoxService& messages;
};
