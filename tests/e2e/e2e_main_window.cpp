#include "support/x11session.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

const QString mainTitle = QStringLiteral("^ヌビカ$");
// Client coordinates in pixels of the main window's controls.
const QPoint cboIro(95, 482);
const QPoint lblhelp(540, 24);
const QPoint cmdend(592, 484);
const QRect lbltime(176, 8, 65, 17);

void at(const QString& window, QPoint p, const QStringList& then)
{
    X11Session::xdotool(QStringList{"mousemove", "--window", window, QString::number(p.x()),
                                    QString::number(p.y())} +
                        then);
}

QStringList visibleWindows(const QString& title)
{
    const QString found = X11Session::xdotool({"search", "--onlyvisible", "--name", title});
    return found.isEmpty() ? QStringList() : found.split('\n');
}

} // namespace

class MainWindowEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void appearsCentredWithItsCaptionAndSize();
    void realDragDrawsARedStroke();
    void timeLabelChangesEverySecond();
    void helpLabelShowsTheMessageBox();
    void endQuitsAtOnce();

private:
    std::unique_ptr<X11Session> session;
    QString window;
};

void MainWindowEndToEnd::init()
{
    session = std::make_unique<X11Session>();
    window = X11Session::waitForWindow(mainTitle);
    QVERIFY(!window.isEmpty());
}

void MainWindowEndToEnd::cleanup()
{
    session.reset();
}

void MainWindowEndToEnd::appearsCentredWithItsCaptionAndSize()
{
    QCOMPARE(X11Session::xdotool({"getwindowname", window}), "ヌビカ");
    const QRect geometry = X11Session::geometry(window);
    QCOMPARE(geometry.size(), QSize(649, 509));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(geometry.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(geometry.center().y() - screen.center().y()) <= 1);
}

void MainWindowEndToEnd::realDragDrawsARedStroke()
{
    at(window, cboIro, {"click", "1"});
    X11Session::xdotool({"key", "ctrl+a"});
    X11Session::xdotool({"type", "4"});

    at(window, {100, 100}, {"mousedown", "1"});
    for (int x = 120; x <= 300; x += 20)
        at(window, {x, 100 + (x - 100) / 2}, {});
    X11Session::xdotool({"mouseup", "1"});

    const QRect geometry = X11Session::geometry(window);
    const QColor red(128, 0, 0);
    auto onStroke = [&](int x) {
        return X11Session::screenshot().pixelColor(geometry.topLeft() +
                                                   QPoint(x, 100 + (x - 100) / 2));
    };
    QTRY_COMPARE(onStroke(200), red);
    for (int x = 100; x <= 300; x += 25)
        QCOMPARE(onStroke(x), red);
    QVERIFY(X11Session::screenshot().pixelColor(geometry.topLeft() + QPoint(200, 250)) != red);
}

void MainWindowEndToEnd::timeLabelChangesEverySecond()
{
    const QRect label = lbltime.translated(X11Session::geometry(window).topLeft());
    auto time = [&] { return X11Session::screenshot().copy(label); };
    QTRY_VERIFY(time() != X11Session::screenshot().copy(label.translated(0, 200))); // first tick
    const QImage first = time();
    QTRY_VERIFY(time() != first);
    const QImage second = time();
    QTRY_VERIFY(time() != second);
}

void MainWindowEndToEnd::helpLabelShowsTheMessageBox()
{
    QCOMPARE(visibleWindows(mainTitle).size(), 1);
    at(window, lblhelp, {"click", "1"});
    QTRY_COMPARE(visibleWindows(mainTitle).size(), 2);
    QString box = visibleWindows(mainTitle).last();
    if (box == window)
        box = visibleWindows(mainTitle).first();
    X11Session::xdotool({"windowfocus", "--sync", box});
    X11Session::xdotool({"key", "--window", box, "Return"});
    QTRY_COMPARE(visibleWindows(mainTitle).size(), 1);
}

void MainWindowEndToEnd::endQuitsAtOnce()
{
    at(window, cmdend, {"click", "1"});
    QVERIFY(session->waitForExit());
    QCOMPARE(session->program().exitStatus(), QProcess::NormalExit);
    QCOMPARE(session->program().exitCode(), 0);
}

QTEST_MAIN(MainWindowEndToEnd)
#include "e2e_main_window.moc"
