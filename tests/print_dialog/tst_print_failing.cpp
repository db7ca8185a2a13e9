// The real printer service against a private CUPS server that fails in every way the user can
// meet: the server stopped after the dialog opened, no printers at all, a queue that rejects
// jobs, a stopped printer. Each time the program's message comes, the drawing stays as it was,
// and the next OK once the service is back prints it. Runs under tests/e2e/with-cups.
#include "app/application.h"
#include "platform/qtprinterservice.h"
#include "print_dialog/printjob.h"
#include "support/modalinterceptor.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

QString run(const QStringList& command)
{
    QProcess process;
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(60000))
        return QStringLiteral("(timed out)");
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QStringList completedJobs()
{
    QStringList ids;
    for (const QString& line : run({"lpstat", "-W", "completed", "-o"}).split('\n'))
        if (line.startsWith("PDF-"))
            ids.append(line.section(' ', 0, 0).mid(4));
    return ids;
}

QPoint centreOf(const QWidget& parent, const char* name)
{
    return parent.findChild<QWidget*>(name)->geometry().center();
}

int lightRedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    return count;
}

} // namespace

class PrintFailingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void failureIsReportedThenTheNextOkPrints_data();
    void failureIsReportedThenTheNextOkPrints();

private:
    void clickOk();
    QString newPdf(const QStringList& before);

    std::unique_ptr<Application> app;
    QStringList printedHere;
};

void PrintFailingTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("NUBIKA_CUPS_DIR"), "run under tests/e2e/with-cups");
    app = std::make_unique<Application>();
    app->printer = std::make_unique<QtPrinterService>(QStringLiteral("ヌビカ"));
    app->start();
    Form1& form = app->mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<QComboBox*>("cboIro")->setEditText("12");
    form.findChild<QComboBox*>("cbosenn")->setEditText("9");
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(form.windowHandle(), QPoint(400, 250));
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, QPoint(400, 250));
    QVERIFY(lightRedPixels(form.canvas().image()) > 1000);

    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centreOf(form, "cmdprint"));
    QVERIFY(QTest::qWaitForWindowExposed(&app->printDialog()));
}

void PrintFailingTest::cleanupTestCase()
{
    app.reset();
    for (const QString& file : printedHere)
        QFile::remove(file);
}

void PrintFailingTest::clickOk()
{
    print1& dialog = app->printDialog();
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, centreOf(dialog, "cmdok"));
}

// The file of the one job finished since then, once it has landed.
QString PrintFailingTest::newPdf(const QStringList& before)
{
    const QDir pdfs(qEnvironmentVariable("NUBIKA_PDF_DIR"));
    for (int tries = 0; tries < 600; ++tries) {
        QStringList fresh;
        for (const QString& id : completedJobs())
            if (!before.contains(id))
                fresh += id;
        if (fresh.size() > 1)
            return {};
        if (fresh.size() == 1) {
            const QStringList files = pdfs.entryList({"*-job_" + fresh.first() + ".pdf"});
            if (!files.isEmpty())
                return pdfs.filePath(files.first());
        }
        QTest::qWait(100);
    }
    return {};
}

void PrintFailingTest::failureIsReportedThenTheNextOkPrints_data()
{
    const QString withCups = QStringLiteral(NUBIKA_WITH_CUPS);
    QTest::addColumn<QList<QStringList>>("breakIt");
    QTest::addColumn<QList<QStringList>>("mendIt");
    QTest::addColumn<int>("outcome");

    QTest::newRow("server stopped after the dialog opened")
        << QList<QStringList>{{withCups, "--stop-server"}}
        << QList<QStringList>{{withCups, "--start-server"}}
        << int(PrinterService::Outcome::NoPrinter);
    QTest::newRow("no printers at all")
        << QList<QStringList>{{"lpadmin", "-x", "PDF"}}
        << QList<QStringList>{{"lpadmin", "-p", "PDF", "-E", "-v", "cups-pdf:/", "-P", ppd},
                              {"lpadmin", "-d", "PDF"}}
        << int(PrinterService::Outcome::NoPrinter);
    QTest::newRow("queue rejects jobs")
        << QList<QStringList>{{"cupsreject", "PDF"}} << QList<QStringList>{{"cupsaccept", "PDF"}}
        << int(PrinterService::Outcome::Refused);
    QTest::newRow("printer stopped")
        << QList<QStringList>{{"cupsdisable", "PDF"}} << QList<QStringList>{{"cupsenable", "PDF"}}
        << int(PrinterService::Outcome::Stopped);
}

void PrintFailingTest::failureIsReportedThenTheNextOkPrints()
{
    QFETCH(QList<QStringList>, breakIt);
    QFETCH(QList<QStringList>, mendIt);
    QFETCH(int, outcome);
    const QImage drawing = app->mainWindow().canvas().image();

    // The dialog is open already; the service fails before OK is pressed.
    for (const QStringList& command : breakIt)
        run(command);
    const QStringList before = completedJobs();
    {
        ModalInterceptor boxes(60000);
        clickOk();
        QVERIFY(boxes.waitForBox());
        QCOMPARE(boxes.boxes().size(), 1);
        QCOMPARE(boxes.boxes().first().title, QStringLiteral("ヌビカ"));
        QCOMPARE(boxes.boxes().first().text, QString::fromStdString(PrintJob::failureMessage(
                                                 PrinterService::Outcome(outcome))));
    }
    QVERIFY(QTest::qWaitForWindowActive(&app->mainWindow()));
    QVERIFY(app->printDialog().isVisible());
    QCOMPARE(app->mainWindow().canvas().image(), drawing);

    for (const QStringList& command : mendIt)
        run(command);
    QTRY_VERIFY_WITH_TIMEOUT(run({"lpstat", "-p", "PDF"}).contains("idle"), 30000);
    QCOMPARE(completedJobs(), before); // nothing printed while it failed

    ModalInterceptor none(2000);
    clickOk();
    const QString pdf = newPdf(before);
    QVERIFY2(!pdf.isEmpty(), "no page printed after the service came back");
    printedHere += pdf;
    QVERIFY(none.boxes().isEmpty());
    QCOMPARE(app->mainWindow().canvas().image(), drawing);

    // The page holds the drawing.
    QTemporaryDir dir;
    QCOMPARE(QProcess::execute("pdftoppm",
                               {"-r", "40", "-png", "-singlefile", pdf, dir.filePath("page")}),
             0);
    const QImage page(dir.filePath("page.png"));
    QVERIFY(!page.isNull());
    QVERIFY(lightRedPixels(page) > 20);
}

QTEST_MAIN(PrintFailingTest)
#include "tst_print_failing.moc"
