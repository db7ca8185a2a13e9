#include "support/x11session.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>
#include <memory>

namespace {

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
    void okTwicePrintsTwoPagesEscapeNone();

private:
    void moveTo(QPoint at, const QStringList& then = {});
    void openDialogAndPress(const QString& keys);
    QFileInfoList landed() const;
    void waitUntilIdleWithJobs(int jobs);

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
    QCOMPARE(X11Session::geometry(mainWindow).size(), clientSize);

    for (const auto& [box, text] : {std::pair(cboIro, "12"), std::pair(cbosenn, "9")}) {
        moveTo(box, {"click", "1"});
        X11Session::xdotool({"key", "ctrl+a", "BackSpace"});
        X11Session::xdotool({"type", text});
    }
    moveTo(stroke[0]);
    X11Session::xdotool({"mousedown", "1"});
    for (const QPoint& p : stroke.mid(1))
        moveTo(p);
    X11Session::xdotool({"mouseup", "1"});
}

void PrintEndToEnd::cleanupTestCase()
{
    session.reset();
    for (const QFileInfo& file : landed())
        QFile::remove(file.filePath());
}

void PrintEndToEnd::moveTo(QPoint at, const QStringList& then)
{
    X11Session::xdotool(QStringList{"mousemove", "--window", mainWindow, QString::number(at.x()),
                                    QString::number(at.y())} +
                        then);
}

// Opens the dialog through the print button, checks OK has the focus, and presses the keys.
void PrintEndToEnd::openDialogAndPress(const QString& keys)
{
    moveTo(cmdprint, {"click", "1"});
    dialog = X11Session::waitForWindow("^印刷確認$");
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), dialog, 20000);
    X11Session::xdotool(QStringList{"key"} + keys.split(' '));
}

// The files of the jobs printed here. cups-pdf mangles the Japanese title in the name; the
// job number at its end tells them apart.
QFileInfoList PrintEndToEnd::landed() const
{
    QFileInfoList files;
    for (const QString& id : completedJobs())
        if (!jobsBefore.contains(id))
            files += pdfs.entryInfoList({"*-job_" + id + ".pdf"}, QDir::Files);
    return files;
}

// At least this many jobs done here and none waiting; the count itself is the caller's check.
void PrintEndToEnd::waitUntilIdleWithJobs(int jobs)
{
    QTRY_VERIFY_WITH_TIMEOUT(completedJobs().size() >= jobsBefore.size() + jobs &&
                                 run("lpstat", {"-o"}).isEmpty(),
                             60000);
}

void PrintEndToEnd::okPrintsTheDrawnWindowOnOnePage()
{
    openDialogAndPress("Return");
    waitUntilIdleWithJobs(1);
    const QFileInfoList files = landed();
    QCOMPARE(files.size(), 1);

    QTemporaryDir dir;
    QCOMPARE(QProcess::execute(
                 "pdftoppm", {"-r", "60", "-png", files.first().filePath(), dir.filePath("page")}),
             0);
    const QStringList pages = QDir(dir.path()).entryList({"page*.png"});
    QCOMPARE(pages.size(), 1);
    QImage page(dir.filePath(pages.first()));
    page.save("e2e_print-page.png"); // kept in the build tree for a look by eye
    // Landscape; CUPS may put it on upright paper turned a quarter counter-clockwise.
    if (page.height() > page.width())
        page = page.transformed(QTransform().rotate(90));

    // The window is all that is not paper: it must fill the page in its proportions, centred,
    // with the stroke where it was drawn.
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
    QString where;
    QDebug(&where) << "window" << window << "page" << page.size() << "stroke" << red << redPixels;
    QVERIFY2(window.width() > page.width() * 8 / 10, qPrintable(where));
    QVERIFY2(qAbs(qreal(window.width()) / window.height() -
                  qreal(clientSize.width()) / clientSize.height()) < 0.03,
             qPrintable(where));
    QVERIFY2(qAbs(window.left() - (page.width() - 1 - window.right())) <= 2, qPrintable(where));
    QVERIFY2(qAbs(window.top() - (page.height() - 1 - window.bottom())) <= 2, qPrintable(where));
    QVERIFY2(redPixels > 50, qPrintable(where));
    const qreal scale = qreal(window.width()) / clientSize.width();
    const QPointF drawn = window.topLeft() + QRectF(stroke.first(), stroke.last()).center() * scale;
    QVERIFY2((QPointF(red.center()) - drawn).manhattanLength() < 8, qPrintable(where));
}

void PrintEndToEnd::okTwicePrintsTwoPagesEscapeNone()
{
    // Esc does nothing: Cancel's access key after it brings the main window back.
    for (const char* keys : {"Return", "Return", "Escape alt+c"}) {
        openDialogAndPress(keys);
        QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), mainWindow, 20000);
    }
    QVERIFY(
        X11Session::xdotool({"search", "--onlyvisible", "--name", "^印刷確認$"}).contains(dialog));
    waitUntilIdleWithJobs(3);
    QCOMPARE(landed().size(), 3);
}

QTEST_MAIN(PrintEndToEnd)
#include "e2e_print.moc"
