#include "print_dialog/printjob.h"

#include "platform/messageboxservice.h"

PrintJob::PrintJob(PrinterService& printer, MessageBoxService& messages)
    : printer(printer)
    , messages(messages)
{
}

bool PrintJob::print(const QImage& image, QWidget& window)
{
    const PrinterService::Outcome outcome = printer.print(image);
    if (outcome == PrinterService::Outcome::Printed)
        return true;
    messages.show(window, failureMessage(outcome));
    return false;
}

QString PrintJob::failureMessage(PrinterService::Outcome outcome)
{
    using Outcome = PrinterService::Outcome;
    const char* reason = "";
    switch (outcome) {
    case Outcome::Printed:
        return {};
    case Outcome::NoPrinter:
        reason = "プリンタが見つからないため印刷できません";
        break;
    case Outcome::NoDefaultPrinter:
        reason = "通常使うプリンタが設定されていないため印刷できません";
        break;
    case Outcome::Stopped:
        reason = "プリンタが停止しているため印刷できません";
        break;
    case Outcome::Refused:
        reason = "プリンタが印刷を受け付けなかったため印刷できません";
        break;
    }
    return MessageBoxService::error(QString::fromUtf8(reason));
}
