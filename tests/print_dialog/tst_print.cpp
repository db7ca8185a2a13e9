#include "platform/pagegeometry.h"
#include "print_dialog/printjob.h"
#include "support/fakes.h"

#include <QTest>

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void jobShowsWhyNothingWasPrintedAndPagesFit()
    {
        using Outcome = PrinterService::Outcome;
        const QImage image(4, 3, QImage::Format_Mono);
        for (Outcome outcome : {Outcome::Printed, Outcome::NoPrinter, Outcome::NoDefaultPrinter,
                                Outcome::Stopped, Outcome::Refused}) {
            FakePrinter printer;
            FakeMessageBox messages;
            printer.outcome = outcome;
            const bool printed = PrintJob(printer, messages).print(image);
            QVERIFY(printed == (outcome == Outcome::Printed) && printer.pages.size() == 1);
            QCOMPARE(messages.shown.size(), printed ? 0u : 1u);
            QVERIFY(printed || messages.shown[0].startsWith("Error!!\r\n"));
        }
        // As large as the printable area allows, centred, landscape for a wide image.
        const std::tuple<QSize, QSizeF, QRectF, bool> pages[] = {
            {QSize(400, 300), QSizeF(1000, 1000), QRectF(0, 125, 1000, 750), true},
            {QSize(300, 400), QSizeF(1000, 1000), QRectF(125, 0, 750, 1000), false},
            {QSize(100, 100), QSizeF(600, 400), QRectF(100, 0, 400, 400), false}};
        for (const auto& [image, printable, target, landscape] : pages) {
            QCOMPARE(PageGeometry::target(image, printable), target);
            QCOMPARE(PageGeometry::orientation(image) == QPageLayout::Landscape, landscape);
        }
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
