// Sends the built program and a bare Qt window of its size the same paced drag through X servers
// (xdotool) and prints, per window: CPU time per 1,000 moves of the program, of its X server and of
// both, and the ratio of both to the bare window and its server; repaints of the canvas per second
// while drawing, and the pixels the stroke changed on screen against a reference drawing of the
// same points (a difference: samples were dropped).
//   scripts/with-xvfb build/bench/nubika_drawbench [--rounds=N] [PROGRAM...]   (build/nubika, 7)
// The bare window runs on a second private X server, dragged at the same moment as the program,
// so that both see the same spell of the machine; several programs (a build before a change and
// one after) are measured in the same rounds.
#include "main_window/canvas.h"
#include "main_window/form1layout.h"
#include "main_window/qbcolor.h"
#include "widgets/twips.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryFile>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int moves = 2000, step = 4, paintRuns = 2, widestPen = 30;
const char* const interval = "0.002"; // seconds between moves

using LB = LayoutBuilder;
const auto control = [](auto member) { return LB::toPixels(LB::row(form1Layout, member)); };
const QRect client = LB::toPixels(0, 0, form1Width, form1Height);
const QRect widthBox = control(&Form1Controls::cbosenn);
// The canvas between the labels at the top and the boxes at the bottom.
const int freeTop = control(&Form1Controls::lblver).bottom() + 1;
const QRect freeArea(0, freeTop, client.width(), widthBox.top() - freeTop);
// The pen's colour is the colour box's first entry.
const QColor colour = QBColor(QString(LB::row(form1Layout, &Form1Controls::cboIro).text).toInt());

// The environment with another X display, or as it is for an empty one.
QProcessEnvironment onDisplay(const QString& display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!display.isEmpty())
        environment.insert("DISPLAY", display);
    return environment;
}

QString xdotool(const QStringList& args, const QString& display = {})
{
    QProcess tool;
    tool.setProcessEnvironment(onDisplay(display));
    tool.start(QStringLiteral("xdotool"), args);
    tool.waitForFinished(-1);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// A staircase of single steps bouncing around the free canvas: every sample turns a corner, so a
// dropped one changes the stroke.
QList<QPoint> dragPath()
{
    const int inset = widestPen / 2 + 2;
    const QRect area = freeArea.adjusted(inset, inset, -inset, -inset);
    QList<QPoint> points{area.topLeft()};
    for (QPoint direction(step, step); points.size() <= moves;) {
        const bool across = points.size() % 2;
        const QPoint next =
            points.last() + (across ? QPoint(direction.x(), 0) : QPoint(0, direction.y()));
        if (area.contains(next))
            points.append(next);
        else
            (across ? direction.rx() : direction.ry()) *= -1;
    }
    return points;
}

int changedPixels(const QImage& before, const QImage& after)
{
    int changed = 0;
    for (int y = freeArea.top(); y <= freeArea.bottom(); ++y)
        for (int x = freeArea.left(); x <= freeArea.right(); ++x)
            changed += before.pixel(x, y) != after.pixel(x, y);
    return changed;
}

int referencePixels(const QList<QPoint>& points, int width)
{
    Canvas canvas(Qt::white);
    canvas.ensureSize(client.size(), 1);
    canvas.setPenWidth(width);
    const QImage blank = canvas.image().copy();
    canvas.dot(points.first() * Twips::perPixel, colour);
    for (const QPoint& p : points.mid(1))
        canvas.lineTo(p * Twips::perPixel, colour);
    return changedPixels(blank, canvas.image());
}

// CPU time of all the process's threads, in milliseconds, to the nanosecond.
double cpuMs(qint64 pid)
{
    double total = 0;
    for (const QString& thread : QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList()) {
        QFile file(QStringLiteral("/proc/%1/task/%2/schedstat").arg(pid).arg(thread));
        if (file.open(QIODevice::ReadOnly))
            total += file.readAll().split(' ').first().toDouble() / 1e6;
    }
    return total;
}

// The process serving an X display of this machine, known from its socket (0: none found). Its work
// is part of a window's cost: how the window sends its pixels moves CPU time between the two.
qint64 serverPid(const QString& display)
{
    const QByteArray path =
        "/tmp/.X11-unix/X" + display.section(':', -1).section('.', 0, 0).toLatin1();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return 0;
    std::copy(path.begin(), path.end(), address.sun_path);
    ucred peer{};
    socklen_t size = sizeof peer;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool found = fd >= 0 &&
                       ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0;
    if (fd >= 0)
        ::close(fd);
    return found ? peer.pid : 0;
}

// The CPU time once the process has used less than 0.2 ms in 50 ms: done with what it was sent.
double settledCpuMs(qint64 pid)
{
    double last = cpuMs(pid);
    for (int i = 0; i < 200; ++i) {
        QThread::msleep(50);
        if (const double now = cpuMs(pid); now - std::exchange(last, now) < 0.2)
            break;
    }
    return last;
}

// Paints of the main window that reach the canvas, not only the labels and boxes around it.
int canvasPaints(QFile& log)
{
    static const QRegularExpression paint(R"(nubika\.paint: QRect\((-?\d+),(-?\d+) (\d+)x(\d+)\))");
    log.seek(0);
    int count = 0;
    for (const auto& r : paint.globalMatch(QString::fromUtf8(log.readAll()))) {
        const auto n = [&](int i) { return r.captured(i).toInt(); };
        count += QRect(n(1), n(2), n(3), n(4)).intersects(freeArea);
    }
    return count;
}

struct Run {
    double programPerThousand, serverPerThousand, paintsPerSecond;
    int changed;
};

// A window in a fresh process, made ready for the drag: the width is typed into the program's box
// (0: the bare window). On another display than the bench's, nothing of the screen is compared.
class Session {
public:
    Session(const QString& program, int width, const QList<QPoint>& path, bool logPaints,
            const QString& display = {})
        : display(display)
        , server(serverPid(display.isEmpty() ? qEnvironmentVariable("DISPLAY") : display))
    {
        log.open();
        app.setStandardErrorFile(log.fileName());
        QProcessEnvironment environment = onDisplay(display);
        if (logPaints) // writing the log costs time of its own: not in the runs timed
            environment.insert("QT_LOGGING_RULES", "nubika.paint.debug=true");
        app.setProcessEnvironment(environment);
        app.start(program, width > 0 ? QStringList()
                                     : QStringList{QString::number(client.width()),
                                                   QString::number(client.height())});
        const QString pid = QString::number(app.processId());
        window = xdotool({"search", "--sync", "--onlyvisible", "--pid", pid}, display)
                     .section('\n', 0, 0);
        if (width > 0) // clicked in its text, clear of the arrow at its right
            xdotool(at(widthBox.topLeft() + QPoint(widthBox.height(), widthBox.height()) / 2) +
                        QStringList{"click", "1", "key", "ctrl+a", "type", QString::number(width)},
                    display);
        xdotool(at(path.first()), display);
        drag = {"mousedown", "1"};
        for (const QPoint& p : path.mid(1))
            drag << at(p) << "sleep" << interval;
        drag += {"mouseup", "1"};
    }

    ~Session()
    {
        app.kill();
        app.waitForFinished();
    }

    // Waits for the window, then its X server, to be done with what they were sent before.
    void settle()
    {
        settledCpuMs(app.processId());
        if (display.isEmpty())
            before = screenshot();
        paintsBefore = canvasPaints(log);
        serverBefore = settledCpuMs(server);
        cpuBefore = cpuMs(app.processId());
    }

    void start()
    {
        clock.start();
        dragging.setProcessEnvironment(onDisplay(display));
        dragging.start(QStringLiteral("xdotool"), drag);
    }

    Run finish()
    {
        dragging.waitForFinished(-1);
        const double seconds = clock.nsecsElapsed() / 1e9;
        const double program = settledCpuMs(app.processId()) - cpuBefore;
        const double drawn = settledCpuMs(server) - serverBefore;
        return {program * 1000 / moves, drawn * 1000 / moves,
                (canvasPaints(log) - paintsBefore) / seconds,
                display.isEmpty() ? changedPixels(before, screenshot()) : 0};
    }

private:
    QStringList at(QPoint p) const
    {
        return {"mousemove", "--window", window, QString::number(p.x()), QString::number(p.y())};
    }

    QImage screenshot() const
    {
        return QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
    }

    QString display;
    qint64 server;
    QTemporaryFile log;
    QProcess app, dragging;
    QString window;
    QStringList drag;
    double cpuBefore = 0, serverBefore = 0;
    QImage before;
    int paintsBefore = 0;
    QElapsedTimer clock;
};

// A second private X server, for the bare window.
class SecondDisplay {
public:
    SecondDisplay()
    {
        server.start("Xvfb",
                     {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        while (server.waitForReadyRead(-1) && !server.canReadLine()) {
        }
        name = ':' + QString::fromUtf8(server.readLine()).trimmed();
    }
    ~SecondDisplay()
    {
        server.terminate();
        server.waitForFinished();
    }
    QString name;

private:
    QProcess server;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// CPU ms per 1,000 moves of each round.
struct Cpu {
    QList<double> program{}, server{}, both{};
    void add(const Run& run)
    {
        program << run.programPerThousand;
        server << run.serverPerThousand;
        both << run.programPerThousand + run.serverPerThousand;
    }
};

// A program drawing at a pen width, and the bare window dragged beside it.
struct Window {
    QString program;
    int width;
    Cpu cpu{}, bare{};
    QList<double> ratio{}, paints{};
    QStringList changed{};
};

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QStringList programs = app.arguments().mid(1);
    int runs = 7; // more on a busy machine, whose spells the medians then ride out better
    if (!programs.isEmpty() && programs.first().startsWith("--rounds="))
        runs = std::max(1, programs.takeFirst().section('=', 1).toInt());
    if (programs.isEmpty())
        programs << "build/nubika";
    const QString bare = QCoreApplication::applicationDirPath() + "/nubika_barewindow";
    const SecondDisplay second;
    if (!serverPid(qEnvironmentVariable("DISPLAY")) || !serverPid(second.name)) {
        std::fprintf(stderr, "No X server found on %s or %s\n", qgetenv("DISPLAY").constData(),
                     qPrintable(second.name));
        return 1;
    }
    const QList<QPoint> path = dragPath();
    QList<Window> windows;
    for (const QString& program : programs)
        for (int width : {1, widestPen})
            windows.append({program, width});

    // Round by round, so that a slower spell of the machine weighs on every window alike.
    for (int round = 0; round < runs; ++round)
        for (Window& w : windows) {
            Session drawing(w.program, w.width, path, false);
            Session beside(bare, 0, path, false, second.name);
            drawing.settle();
            beside.settle();
            drawing.start();
            beside.start();
            const Run run = drawing.finish();
            w.cpu.add(run);
            w.bare.add(beside.finish());
            w.ratio << w.cpu.both.last() / w.bare.both.last();
            w.changed << QString::number(run.changed);
        }
    for (Window& w : windows)
        for (int i = 0; i < paintRuns; ++i) {
            Session drawing(w.program, w.width, path, true);
            drawing.settle();
            drawing.start();
            w.paints << drawing.finish().paintsPerSecond;
        }

    qsizetype nameWidth = 20;
    for (const Window& w : windows)
        nameWidth = std::max(nameWidth, w.program.size() + 9);
    std::printf("%d moves of %d px, %s s apart; medians of %d rounds, each window dragged at the "
                "same time as a bare one on another X server; then %d runs counting repaints\n"
                "CPU ms per 1,000 moves of the window, its X server and both; x bare: both against "
                "the bare window's both\n\n",
                moves, step, interval, runs, paintRuns);
    const int n = int(nameWidth);
    std::printf("%-*s %8s %8s %8s %6s %11s %10s  %-14s %9s\n", n, "window", "program", "X server",
                "both", "x bare", "(lowest-", "repaints/s", "changed px", "reference");
    std::printf("%-*s %8s %8s %8s %6s %11s\n", n, "", "", "", "", "", "highest)");
    for (Window& w : windows) {
        w.changed.removeDuplicates(); // one number when every run drew the same
        const auto [low, high] = std::minmax_element(w.ratio.begin(), w.ratio.end());
        const QString name = QStringLiteral("%1 width %2").arg(w.program).arg(w.width);
        std::printf("%-*s %8.1f %8.1f %8.1f %6.2f %5.2f-%5.2f %10.1f  %-14s %9d\n", n,
                    qPrintable(name), median(w.cpu.program), median(w.cpu.server),
                    median(w.cpu.both), median(w.ratio), *low, *high, median(w.paints),
                    qPrintable(w.changed.join(' ')), referencePixels(path, w.width));
        std::printf("%-*s %8.1f %8.1f %8.1f\n", n, "  bare window beside", median(w.bare.program),
                    median(w.bare.server), median(w.bare.both));
    }
}
