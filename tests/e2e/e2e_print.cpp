#include "support/x11session.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>
#include <memory>

namespace {

// Runs a command to its end and returns what it printed, trimmed.
QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000))
        return QStringLiteral("(timed out)");
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Numbers of the jobs the queue has finished, from lines such as "PDF-1234  root  1024 ...".
QStringList completedJobs()
{
    QStringList ids;
    for (const QString& line : run("lpstat", {"-W", "completed", "-o", "PDF"}).split('\n'))
        if (line.startsWith("PDF-"))
            ids.append(line.section(' ', 0, 0).mid(4));
    return ids;
}

bool queueEmpty()
{
    return run("lpstat", {"-o"}).isEmpty();
}

// The main window's controls, client coordinates in pixels.
const QPoint cmdprint(436, 484);
const QPoint cbosenn(90, 450);
const QPoint cboIro(90, 482);
const QSize clientSize(649, 509);
// The stroke: light red (colour 12), 9 pixels wide, from the left third to the right third.
const QList<QPoint> stroke = {{150, 150}, {300, 250}, {450, 330}};

} // namespace

class PrintEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void okPrintsTheDrawnWindowOnOnePage();
    void okTwicePrintsTwoPages();
    void escapeLeavesTheDialogOpen();
    void printerTroubleIsReportedAndNothingLands_data();
    void printerTroubleIsReportedAndNothingLands();

private:
    void click(QPoint at);
    void type(QPoint box, const QString& text);
    void openDialog();
    QFileInfoList landed() const;
    bool waitForJobs(int completed);

    std::unique_ptr<X11Session> session;
    QString mainWindow;
    QString dialog;
    QDir pdfs;
    QStringList jobsBefore;
};

void PrintEndToEnd::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("CUPS_SERVER"), "run under tests/e2e/with-cups");
    pdfs.setPath(qEnvironmentVariable("NUBIKA_PDF_DIR"));
    jobsBefore = completedJobs();

    session = std::make_unique<X11Session>();
    mainWindow = X11Session::waitForWindow("^ヌビカ$");
    QVERIFY(!mainWindow.isEmpty());
    QCOMPARE(X11Session::geometry(mainWindow).size(), clientSize);

    type(cboIro, "12");
    type(cbosenn, "9");
    X11Session::xdotool({"mousemove", "--window", mainWindow, QString::number(stroke[0].x()),
                         QString::number(stroke[0].y())});
    X11Session::xdotool({"mousedown", "1"});
    for (const QPoint& p : stroke.mid(1))
        X11Session::xdotool(
            {"mousemove", "--window", mainWindow, QString::number(p.x()), QString::number(p.y())});
    X11Session::xdotool({"mouseup", "1"});
}

void PrintEndToEnd::cleanupTestCase()
{
    session.reset();
    // The pages printed here; the first one stays in the build tree as a picture.
    for (const QFileInfo& file : landed())
        QFile::remove(file.filePath());
}

void PrintEndToEnd::click(QPoint at)
{
    X11Session::xdotool({"mousemove", "--window", mainWindow, QString::number(at.x()),
                         QString::number(at.y()), "click", "1"});
}

void PrintEndToEnd::type(QPoint box, const QString& text)
{
    click(box);
    X11Session::xdotool({"key", "ctrl+a", "BackSpace"});
    X11Session::xdotool({"type", text});
}

void PrintEndToEnd::openDialog()
{
    click(cmdprint);
    dialog = X11Session::waitForWindow("^印刷確認$");
    // OK holds the focus once the dialog has come up.
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), dialog, 20000);
}

// The files of the jobs printed here. cups-pdf mangles the Japanese title in the name; the
// job number at its end is what tells the files apart.
QFileInfoList PrintEndToEnd::landed() const
{
    QFileInfoList files;
    for (const QString& id : completedJobs())
        if (!jobsBefore.contains(id))
            files += pdfs.entryInfoList({"*-job_" + id + ".pdf"}, QDir::Files);
    return files;
}

// Waits until this many jobs have gone through the queue since the start and it is empty.
bool PrintEndToEnd::waitForJobs(int completed)
{
    for (int tries = 0; tries < 600; ++tries) {
        const int done = int(completedJobs().size() - jobsBefore.size());
        if (done >= completed && queueEmpty())
            return done == completed;
        QTest::qWait(100);
    }
    return false;
}

void PrintEndToEnd::okPrintsTheDrawnWindowOnOnePage()
{
    openDialog();
    X11Session::xdotool({"key", "Return"});
    QVERIFY(waitForJobs(1));
    const QFileInfoList files = landed();
    QCOMPARE(files.size(), 1);
    // The main window is back in front of the dialog.
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), mainWindow, 20000);
    QVERIFY(!X11Session::xdotool({"search", "--onlyvisible", "--name", "^印刷確認$"}).isEmpty());

    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    QProcess render;
    render.start("pdftoppm", {"-r", "60", "-png", files.first().filePath(), prefix});
    QVERIFY(render.waitForFinished(60000));
    QCOMPARE(render.exitCode(), 0);
    const QStringList pages = QDir(dir.path()).entryList({"page*.png"});
    QCOMPARE(pages.size(), 1);
    QImage page(dir.filePath(pages.first()));
    QVERIFY(!page.isNull());
    page.save("e2e_print-page.png"); // kept in the build tree for a look by eye

    // Landscape, for a window wider than tall. CUPS may put it on upright paper turned a
    // quarter counter-clockwise, as printers do; turn that back.
    if (page.height() > page.width())
        page = page.transformed(QTransform().rotate(90));
    QVERIFY(page.width() > page.height());

    // The window: everything that is not paper, in the window's proportions, centred.
    QRect window;
    QRect red;
    int redPixels = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() < 250 || c.green() < 250 || c.blue() < 250)
                window |= QRect(x, y, 1, 1);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
                red |= QRect(x, y, 1, 1);
                ++redPixels;
            }
        }
    const QString where = QStringLiteral("window %1,%2 %3x%4 on %5x%6")
                              .arg(window.x())
                              .arg(window.y())
                              .arg(window.width())
                              .arg(window.height())
                              .arg(page.width())
                              .arg(page.height());
    QVERIFY2(window.width() > page.width() * 8 / 10, qPrintable(where));
    QVERIFY2(qAbs(qreal(window.width()) / window.height() -
                  qreal(clientSize.width()) / clientSize.height()) < 0.03,
             qPrintable(where));
    QVERIFY2(qAbs(window.left() - (page.width() - 1 - window.right())) <= 2, qPrintable(where));
    QVERIFY2(qAbs(window.top() - (page.height() - 1 - window.bottom())) <= 2, qPrintable(where));

    // The stroke, where it was drawn on the window.
    QVERIFY2(redPixels > 50, qPrintable(QString::number(redPixels)));
    const qreal scale = qreal(window.width()) / clientSize.width();
    const QRect drawn = QRect(stroke.first(), stroke.last());
    const QPointF expected = window.topLeft() + QPointF(drawn.center()) * scale;
    QVERIFY2(
        (QPointF(red.center()) - expected).manhattanLength() < 8,
        qPrintable(
            where +
            QStringLiteral(", stroke centre %1,%2").arg(red.center().x()).arg(red.center().y())));

    // And the controls: the print button's caption in dark ink inside its outline.
    const QRectF button =
        QRectF(window.topLeft() + QPointF(408, 472) * scale, QSizeF(57, 25) * scale);
    int ink = 0;
    for (int y = int(button.top()); y < int(button.bottom()); ++y)
        for (int x = int(button.left()); x < int(button.right()); ++x)
            ink += qGray(page.pixel(x, y)) < 100;
    QVERIFY2(ink > 5, qPrintable(QString::number(ink)));
}

void PrintEndToEnd::okTwicePrintsTwoPages()
{
    for (int round = 0; round < 2; ++round) {
        openDialog();
        X11Session::xdotool({"key", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), mainWindow, 20000);
    }
    QVERIFY(waitForJobs(3));
    QCOMPARE(landed().size(), 3);
}

void PrintEndToEnd::escapeLeavesTheDialogOpen()
{
    openDialog();
    X11Session::xdotool({"key", "Escape"});
    // Cancel, by its access key, afterwards: once the main window has the focus again, the
    // Escape before it has been handled.
    X11Session::xdotool({"key", "alt+c"});
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), mainWindow, 20000);
    QVERIFY(
        X11Session::xdotool({"search", "--onlyvisible", "--name", "^印刷確認$"}).contains(dialog));
    QVERIFY(waitForJobs(3));
}

void PrintEndToEnd::printerTroubleIsReportedAndNothingLands_data()
{
    const QString ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
    QTest::addColumn<QList<QStringList>>("breakIt");
    QTest::addColumn<QList<QStringList>>("mendIt");
    QTest::newRow("queue rejects jobs")
        << QList<QStringList>{{"cupsreject", "PDF"}} << QList<QStringList>{{"cupsaccept", "PDF"}};
    QTest::newRow("printer stopped")
        << QList<QStringList>{{"cupsdisable", "PDF"}} << QList<QStringList>{{"cupsenable", "PDF"}};
    // The default goes with the deleted queue; PDF stays, so a plain QPrinter would use it.
    QTest::newRow("no default printer")
        << QList<QStringList>{{"lpadmin", "-p", "Spare", "-E", "-v", "cups-pdf:/", "-P", ppd},
                              {"lpadmin", "-d", "Spare"},
                              {"lpadmin", "-x", "Spare"}}
        << QList<QStringList>{{"lpadmin", "-d", "PDF"}};
}

void PrintEndToEnd::printerTroubleIsReportedAndNothingLands()
{
    QFETCH(QList<QStringList>, breakIt);
    QFETCH(QList<QStringList>, mendIt);
    for (const QStringList& command : breakIt)
        run(command.first(), command.mid(1));
    openDialog();
    X11Session::xdotool({"key", "Return"});
    // The message box comes up with the program's title, next to the main window.
    QString box;
    for (int tries = 0; tries < 200 && box.isEmpty(); ++tries) {
        for (const QString& id :
             X11Session::xdotool({"search", "--onlyvisible", "--name", "^ヌビカ$"}).split('\n'))
            if (!id.isEmpty() && id != mainWindow)
                box = id;
        if (box.isEmpty())
            QTest::qWait(100);
    }
    for (const QStringList& command : mendIt)
        run(command.first(), command.mid(1));
    QVERIFY2(!box.isEmpty(), "no message box");
    QVERIFY(X11Session::geometry(box).width() < clientSize.width());
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), box, 20000);
    X11Session::xdotool({"key", "Return"});
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), mainWindow, 20000);
    QVERIFY(waitForJobs(3));
    QCOMPARE(landed().size(), 3);
}

QTEST_MAIN(PrintEndToEnd)
#include "e2e_print.moc"
