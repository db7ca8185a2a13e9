#include "platform/messageboxservice.h"
#include "platform/pagegeometry.h"
#include "print_dialog/printjob.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FakePrinter : public PrinterService {
public:
    Outcome PrintForm(const QImage&) override { return outcome; }
    Outcome outcome = Outcome::Printed;
};

class FakeMessages : public MessageBoxService {
public:
    void MsgBox(const std::string& prompt) override { shown.push_back(prompt); }
    std::vector<std::string> shown;
};

} // namespace

class PrinterServiceTest : public QObject {
    Q_OBJECT
private slots:
    void imageFitsCentredOnItsPage_data();
    void imageFitsCentredOnItsPage();
    void highDensityGrabFillsItsTarget();
    void failuresAreReportedInOneLine();
};

void PrinterServiceTest::imageFitsCentredOnItsPage_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("main window") << QSize(649, 509) << true;
    QTest::newRow("very wide") << QSize(2000, 100) << true;
    QTest::newRow("tall") << QSize(300, 900) << false;
    QTest::newRow("square") << QSize(400, 400) << false;
}

void PrinterServiceTest::imageFitsCentredOnItsPage()
{
    QFETCH(QSize, image);
    QFETCH(bool, landscape);
    // An A4 PDF printer, as a default printer would be, turned for the image.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("fit.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(PageGeometry::orientation(image));
    const QSizeF printable = printer.pageRect(QPrinter::DevicePixel).size();
    QCOMPARE(printable.width() > printable.height(), landscape);

    const QRectF target = PageGeometry::target(image, printable);
    QVERIFY(QRectF(QPointF(), printable).adjusted(-0.5, -0.5, 0.5, 0.5).contains(target));
    // Fills the printable area along one side, keeps the proportions, same margins both ways.
    QVERIFY(qAbs(target.width() - printable.width()) < 1 ||
            qAbs(target.height() - printable.height()) < 1);
    QVERIFY(qAbs(target.width() / target.height() - qreal(image.width()) / image.height()) < 1e-3);
    QVERIFY(qAbs(target.left() - (printable.width() - target.right())) < 1);
    QVERIFY(qAbs(target.top() - (printable.height() - target.bottom())) < 1);
}

void PrinterServiceTest::highDensityGrabFillsItsTarget()
{
    // A 100 x 50 window grabbed at 2x: red, with a blue last column.
    QImage grab(200, 100, QImage::Format_RGB32);
    grab.fill(Qt::red);
    for (int y = 0; y < grab.height(); ++y)
        grab.setPixelColor(grab.width() - 1, y, Qt::blue);
    grab.setDevicePixelRatio(2);

    QImage page(400, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PageGeometry::paint(painter, grab, page.size());
    painter.end();

    // Target 400 x 200 at y 100: the whole of it covered, the rightmost column blue.
    QCOMPARE(page.pixelColor(1, 101), QColor(Qt::red));
    QCOMPARE(page.pixelColor(300, 298), QColor(Qt::red));
    QCOMPARE(page.pixelColor(399, 200), QColor(Qt::blue));
    QCOMPARE(page.pixelColor(200, 50), QColor(Qt::white));
    QCOMPARE(page.pixelColor(200, 350), QColor(Qt::white));
}

void PrinterServiceTest::failuresAreReportedInOneLine()
{
    using Outcome = PrinterService::Outcome;
    FakePrinter printer;
    FakeMessages messages;
    PrintJob job(printer, messages);
    const QImage image(10, 10, QImage::Format_RGB32);
    QVERIFY(job.PrintForm(image));
    QVERIFY(messages.shown.empty());

    QSet<QString> reasons;
    for (Outcome outcome :
         {Outcome::NoPrinter, Outcome::NoDefaultPrinter, Outcome::Stopped, Outcome::Refused}) {
        printer.outcome = outcome;
        messages.shown.clear();
        QVERIFY(!job.PrintForm(image));
        QCOMPARE(messages.shown.size(), size_t(1));
        const QStringList lines = QString::fromStdString(messages.shown.front()).split("\r\n");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Error!!"));
        QVERIFY(lines[1].endsWith(QStringLiteral("印刷できません")));
        QVERIFY(!lines[1].contains('\n') && !lines[1].contains('\r'));
        reasons.insert(lines[1]);
    }
    QCOMPARE(reasons.size(), 4);
}

QTEST_MAIN(PrinterServiceTest)
#include "tst_printerservice.moc"
