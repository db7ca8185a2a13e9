#include "platform/qtprinterservice.h"

#include "platform/pagegeometry.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

QtPrinterService::QtPrinterService(QString documentName)
    : documentName(std::move(documentName)) {}

PrinterService::Outcome QtPrinterService::PrintForm(const QImage& image) {
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
    printer.setPageOrientation(PageGeometry::orientation(image.size()));
    QPainter painter;
    if (!painter.begin(&printer))
        return Outcome::Refused;
    PageGeometry::paint(painter, image, printer.pageRect(QPrinter::DevicePixel).size());
    if (!painter.end())
        return Outcome::Refused;
    return Outcome::Printed;
}
