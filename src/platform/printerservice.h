#pragma once

class QImage;

// The default printer. Each call prints one page and ends the job; the result says whether the
// job reached the spooler, or why not.
class PrinterService {
public:
    enum class Outcome { Printed, NoPrinter, NoDefaultPrinter, Stopped, Refused };

    virtual ~PrinterService() = default;
    virtual Outcome print(const QImage& image) = 0;
};
