#include "platform/messageboxservice.h"
#include "platform/pagegeometry.h"
#include "platform/qtprinterservice.h"
#include "print_dialog/printjob.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FakePrinter : public PrinterService {
public:
    Outcome PrintForm(const QImage&) override
    {
        ++calls;
        return outcome;
    }
    Outcome outcome = Outcome::Printed;
    int calls = 0;
};

class FakeMessages : public MessageBoxService {
public:
    void MsgBox(const std::string& prompt) override { shown.push_back(prompt); }
    std::vector<std::string> shown;
};

// A PDF printer as the print dialog's default printer would be, turned for the image.
std::unique_ptr<QPrinter> pdfPrinter(QSize image, const QString& file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(PageGeometry::orientation(image));
    return printer;
}

} // namespace

class PrinterServiceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void imageFitsCentredOnItsPage_data();
    void imageFitsCentredOnItsPage();
    void highDensityGrabFillsItsTarget();

    void noPrintServerMeansNoPrinter();
    void failuresAreReportedInOneLine();

private:
    QTemporaryDir dir;
};

void PrinterServiceTest::initTestCase()
{
    QVERIFY(dir.isValid());
    qputenv("CUPS_SERVER", QByteArray(dir.path().toUtf8() + "/no-cups.sock"));
}

void PrinterServiceTest::imageFitsCentredOnItsPage_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("main window") << QSize(649, 509) << true;
    QTest::newRow("main window at 2x") << QSize(1298, 1018) << true;
    QTest::newRow("very wide") << QSize(2000, 100) << true;
    QTest::newRow("tall") << QSize(300, 900) << false;
    QTest::newRow("square") << QSize(400, 400) << false;
}

void PrinterServiceTest::imageFitsCentredOnItsPage()
{
    QFETCH(QSize, image);
    QFETCH(bool, landscape);
    const auto printer = pdfPrinter(image, dir.filePath("fit.pdf"));
    QCOMPARE(printer->pageLayout().orientation() == QPageLayout::Landscape, landscape);
    const QSizeF printable = printer->pageRect(QPrinter::DevicePixel).size();
    QCOMPARE(printable.width() > printable.height(), landscape);

    const QRectF target = PageGeometry::target(image, printable);
    const qreal slack = 0.5;
    QVERIFY(target.left() >= -slack && target.top() >= -slack);
    QVERIFY(target.right() <= printable.width() + slack);
    QVERIFY(target.bottom() <= printable.height() + slack);
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

    const QSize printable(400, 400);
    QImage page(printable, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PageGeometry::paint(painter, grab, printable);
    painter.end();

    // Target 400 x 200 at y 100: the whole of it covered, the rightmost column blue.
    QCOMPARE(page.pixelColor(1, 101), QColor(Qt::red));
    QCOMPARE(page.pixelColor(300, 298), QColor(Qt::red));
    QCOMPARE(page.pixelColor(399, 200), QColor(Qt::blue));
    QCOMPARE(page.pixelColor(200, 50), QColor(Qt::white));
    QCOMPARE(page.pixelColor(200, 350), QColor(Qt::white));
}

void PrinterServiceTest::noPrintServerMeansNoPrinter()
{
    QtPrinterService printer(QStringLiteral("ヌビカ"));
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QStringList before = QDir::current().entryList(QDir::Files);
    QCOMPARE(printer.PrintForm(image), PrinterService::Outcome::NoPrinter);
    // Nothing fell back to a file either.
    QCOMPARE(QDir::current().entryList(QDir::Files), before);
}

void PrinterServiceTest::failuresAreReportedInOneLine()
{
    using Outcome = PrinterService::Outcome;
    FakePrinter printer;
    FakeMessages messages;
    PrintJob job(printer, messages);
    QImage image(10, 10, QImage::Format_RGB32);

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
        QVERIFY(lines[1].contains(QRegularExpression("\\p{Han}")));
        QVERIFY(lines[1].endsWith(QStringLiteral("印刷できません")));
        QVERIFY(!lines[1].contains('\n') && !lines[1].contains('\r'));
        reasons.insert(lines[1]);
    }
    QCOMPARE(reasons.size(), 4);
    QCOMPARE(printer.calls, 5);
}

QTEST_MAIN(PrinterServiceTest)
#include "tst_printerservice.moc"
