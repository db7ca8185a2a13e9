#include "platform/qtprinterservice.h"

#include "platform/pagegeometry.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#if defined(Q_OS_LINUX)
#include <dlfcn.h>
#endif

namespace {

// Qt's CUPS engine hands the job to the spooler in QPainter::end() and drops the answer, so a
// queue that rejects jobs would fail unseen. libcups keeps the answer for this thread: ask it.
bool spoolerRefusedTheJob()
{
#if defined(Q_OS_LINUX)
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return false; // not printed through CUPS
    using LastError = int (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(cups, "cupsLastError"));
    // IPP status codes from 0x0400 on are client and server errors.
    const bool refused = lastError && lastError() >= 0x0400;
    dlclose(cups);
    return refused;
#else
    return false;
#endif
}

} // namespace

QtPrinterService::QtPrinterService(QString documentName)
    : documentName(std::move(documentName))
{
}

PrinterService::Outcome QtPrinterService::print(const QImage& image)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return Outcome::NoPrinter;
    // A plain QPrinter() would quietly pick the first queue, or a PDF file with no name.
    const QPrinterInfo device = QPrinterInfo::defaultPrinter();
    if (device.isNull())
        return Outcome::NoDefaultPrinter;
    if (device.state() == QPrinter::Error)
        return Outcome::Stopped;

    QPrinter printer(device, QPrinter::HighResolution);
    printer.setDocName(documentName);
    // The drawing's colours, wherever the printer can show them; Qt would otherwise print in
    // grey on a queue that does not describe itself.
    printer.setColorMode(QPrinter::Color);
    printer.setPageOrientation(PageGeometry::orientation(image.size()));
    QPainter painter;
    if (!painter.begin(&printer))
        return Outcome::Refused;
    PageGeometry::paint(painter, image, printer.pageRect(QPrinter::DevicePixel).size());
    if (!painter.end() || spoolerRefusedTheJob())
        return Outcome::Refused;
    return Outcome::Printed;
}
