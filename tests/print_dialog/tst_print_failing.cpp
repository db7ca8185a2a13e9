// The real printer service against a private CUPS server (tests/e2e/with-cups) failing in each
// way a user can meet it, and back again.
#include "app/application.h"
#include "print_dialog/printjob.h"
#include "support/modalinterceptor.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

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

void clickOn(QWidget& window, const char* name)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      window.findChild<QWidget*>(name)->geometry().center());
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
    QStringList landedSince(const QStringList& jobsBefore) const;

    std::unique_ptr<Application> app;
    QStringList printedHere;
};

void PrintFailingTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("NUBIKA_CUPS_DIR"), "run under tests/e2e/with-cups");
    app = std::make_unique<Application>();
    app->start();
    Form1& form = app->mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<QComboBox*>("cboIro")->setEditText("12");
    form.findChild<QComboBox*>("cbosenn")->setEditText("9");
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(form.windowHandle(), QPoint(400, 250));
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, QPoint(400, 250));
    QCOMPARE(form.canvas().image().pixelColor(250, 225), QColor(255, 0, 0));

    clickOn(form, "cmdprint");
    QVERIFY(QTest::qWaitForWindowExposed(&app->printDialog()));
}

void PrintFailingTest::cleanupTestCase()
{
    app.reset();
    for (const QString& file : printedHere)
        QFile::remove(file);
}

// The files of the jobs finished since then, as far as they have landed.
QStringList PrintFailingTest::landedSince(const QStringList& jobsBefore) const
{
    const QDir pdfs(qEnvironmentVariable("NUBIKA_PDF_DIR"));
    QStringList files;
    for (const QString& id : completedJobs())
        if (!jobsBefore.contains(id))
            for (const QString& file : pdfs.entryList({"*-job_" + id + ".pdf"}))
                files += pdfs.filePath(file);
    return files;
}

void PrintFailingTest::failureIsReportedThenTheNextOkPrints_data()
{
    using Outcome = PrinterService::Outcome;
    const QString withCups = QStringLiteral("'" NUBIKA_WITH_CUPS "'");
    const QString addQueue =
        "lpadmin -p %1 -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
    QTest::addColumn<QString>("breakIt");
    QTest::addColumn<QString>("mendIt");
    QTest::addColumn<int>("outcome");
    QTest::newRow("server stopped after the dialog opened")
        << withCups + " --stop-server" << withCups + " --start-server" << int(Outcome::NoPrinter);
    QTest::newRow("no printers at all")
        << "lpadmin -x PDF" << addQueue.arg("PDF") + " && lpadmin -d PDF"
        << int(Outcome::NoPrinter);
    // The default goes with the deleted queue; PDF stays, which a plain QPrinter would pick.
    QTest::newRow("no default printer")
        << addQueue.arg("Spare") + " && lpadmin -d Spare && lpadmin -x Spare"
        << "lpadmin -d PDF" << int(Outcome::NoDefaultPrinter);
    QTest::newRow("queue rejects jobs") << "cupsreject PDF"
                                        << "cupsaccept PDF" << int(Outcome::Refused);
    QTest::newRow("printer stopped") << "cupsdisable PDF"
                                     << "cupsenable PDF" << int(Outcome::Stopped);
}

// The dialog is open already when the service fails: the message comes, the drawing stays,
// nothing prints; once the service is back, the next OK prints one page.
void PrintFailingTest::failureIsReportedThenTheNextOkPrints()
{
    QFETCH(QString, breakIt);
    QFETCH(QString, mendIt);
    QFETCH(int, outcome);
    const QImage drawing = app->mainWindow().canvas().image();

    run({"sh", "-c", breakIt});
    const QStringList before = completedJobs();
    const QStringList files = QDir::current().entryList(QDir::Files);
    {
        ModalInterceptor boxes(60000);
        clickOn(app->printDialog(), "cmdok");
        QVERIFY(boxes.waitForBox());
        QCOMPARE(boxes.boxes().size(), 1);
        QCOMPARE(boxes.boxes().first().title, QStringLiteral("ヌビカ"));
        QCOMPARE(boxes.boxes().first().text, QString::fromStdString(PrintJob::failureMessage(
                                                 PrinterService::Outcome(outcome))));
    }
    QVERIFY(QTest::qWaitForWindowActive(&app->mainWindow()));
    QVERIFY(app->printDialog().isVisible());
    QCOMPARE(app->mainWindow().canvas().image(), drawing);

    run({"sh", "-c", mendIt});
    QTRY_VERIFY_WITH_TIMEOUT(run({"lpstat", "-p", "PDF"}).contains("idle"), 30000);
    QCOMPARE(completedJobs(), before);
    QCOMPARE(QDir::current().entryList(QDir::Files), files); // nor did it fall back to a file

    ModalInterceptor none(2000);
    clickOn(app->printDialog(), "cmdok");
    QTRY_COMPARE_WITH_TIMEOUT(int(landedSince(before).size()), 1, 60000);
    printedHere += landedSince(before); // now, for the queue and its history may go next
    QVERIFY(none.boxes().isEmpty());
    QCOMPARE(app->mainWindow().canvas().image(), drawing);
}

QTEST_MAIN(PrintFailingTest)
#include "tst_print_failing.moc"
