#include "support/x11session.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString aboutTitle = QStringLiteral("^ヌビカのﾊﾞｰｼﾞｮﾝ情報$");
const QString mainTitle = QStringLiteral("^ヌビカ$");
// Client coordinates in pixels: the version label, and the dialog's System Info button.
const QPoint lblver(608, 24);
const QPoint cmdSysInfo(330, 216);

QStringList visibleWindows(const QString& title)
{
    const QString found = X11Session::xdotool({"search", "--onlyvisible", "--name", title});
    return found.isEmpty() ? QStringList() : found.split('\n');
}

void click(const QString& window, QPoint at)
{
    X11Session::xdotool({"mousemove", "--window", window, QString::number(at.x()),
                         QString::number(at.y()), "click", "1"});
}

} // namespace

class AboutEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void versionLabelOpensTheDialog();
    void sysInfoWithoutAToolShowsTheMessage();
    void escapeClosesTheDialog();

private:
    std::unique_ptr<X11Session> session;
    QTemporaryDir noTools;
    QString mainWindow;
    QString dialog;
};

void AboutEndToEnd::initTestCase()
{
    // The program looks for a system information tool on its search path: give it none.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(noTools.path()));
    session = std::make_unique<X11Session>();
    qputenv("PATH", path);
    mainWindow = X11Session::waitForWindow(mainTitle);
    QVERIFY(!mainWindow.isEmpty());
}

void AboutEndToEnd::versionLabelOpensTheDialog()
{
    click(mainWindow, lblver);
    dialog = X11Session::waitForWindow(aboutTitle);
    QVERIFY(!dialog.isEmpty());
    QCOMPARE(X11Session::geometry(dialog), QRect(331, 289, 382, 237));
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), dialog, 20000);
    // A dialog of the program, kept off the taskbar, but not owned by the main window.
    QProcess xprop;
    xprop.start("xprop", {"-id", dialog, "WM_TRANSIENT_FOR", "_NET_WM_WINDOW_TYPE"});
    QVERIFY(xprop.waitForFinished(30000));
    const QString hints = QString::fromUtf8(xprop.readAllStandardOutput());
    QVERIFY2(hints.contains("_NET_WM_WINDOW_TYPE_DIALOG"), qPrintable(hints));
    const QString owner = hints.section("window id # ", 1).section('\n', 0, 0).trimmed();
    QVERIFY2(!owner.isEmpty(), qPrintable(hints));
    QVERIFY(owner.toULongLong(nullptr, 16) != mainWindow.toULongLong());
}

void AboutEndToEnd::sysInfoWithoutAToolShowsTheMessage()
{
    click(dialog, cmdSysInfo);
    // The message box carries the program's title, as the main window does.
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(mainTitle).size(), 2, 20000);
    const QStringList both = visibleWindows(mainTitle);
    const QString box = both[0] == mainWindow ? both[1] : both[0];
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), box, 20000);
    X11Session::xdotool({"key", "Return"});
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(mainTitle), QStringList{mainWindow}, 20000);
    QCOMPARE(visibleWindows(aboutTitle), QStringList{dialog});
}

void AboutEndToEnd::escapeClosesTheDialog()
{
    X11Session::xdotool({"windowfocus", "--sync", dialog});
    QTRY_COMPARE_WITH_TIMEOUT(X11Session::xdotool({"getwindowfocus"}), dialog, 20000);
    X11Session::xdotool({"key", "Escape"});
    QTRY_VERIFY_WITH_TIMEOUT(visibleWindows(aboutTitle).isEmpty(), 20000);
    QCOMPARE(visibleWindows(mainTitle), QStringList{mainWindow});
    QCOMPARE(session->program().state(), QProcess::Running);
}

QTEST_MAIN(AboutEndToEnd)
#include "e2e_about.moc"
