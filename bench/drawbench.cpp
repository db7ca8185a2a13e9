// Sends the built program and a bare Qt window of its size the same paced drag through the X
// server (xdotool) and prints, per window: CPU time per 1,000 moves and its ratio to the bare
// window, repaints of the canvas per second while drawing, and the pixels the stroke changed on
// screen against a reference drawing of the same points (a difference: samples were dropped).
//   scripts/with-xvfb build/bench/nubika_drawbench [build/nubika]
#include "main_window/canvas.h"
#include "main_window/form1layout.h"
#include "main_window/qbcolor.h"

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
#include <unistd.h>
#include <utility>

namespace {

constexpr int moves = 2000, step = 4, runs = 5, widestPen = 30;
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

QString xdotool(const QStringList& args)
{
    QProcess tool;
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
    canvas.dot(points.first() * LB::twipsPerPixel, colour);
    for (const QPoint& p : points.mid(1))
        canvas.lineTo(p * LB::twipsPerPixel, colour);
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
    double cpuPerThousand, paintsPerSecond;
    int changed;
};

// One drag in a fresh process; the width is typed into the program's box (0: the bare window).
Run measure(const QString& program, int width, const QList<QPoint>& path, bool logPaints)
{
    QTemporaryFile log;
    log.open();
    QProcess app;
    app.setStandardErrorFile(log.fileName());
    if (logPaints) { // writing the log costs time of its own: not in the runs timed
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_LOGGING_RULES", "nubika.paint.debug=true");
        app.setProcessEnvironment(environment);
    }
    app.start(program, width > 0 ? QStringList()
                                 : QStringList{QString::number(client.width()),
                                               QString::number(client.height())});
    const QString pid = QString::number(app.processId());
    const QString window =
        xdotool({"search", "--sync", "--onlyvisible", "--pid", pid}).section('\n', 0, 0);
    const auto at = [&](QPoint p) {
        return QStringList{"mousemove", "--window", window, QString::number(p.x()),
                           QString::number(p.y())};
    };
    if (width > 0) // clicked in its text, clear of the arrow at its right
        xdotool(at(widthBox.topLeft() + QPoint(widthBox.height(), widthBox.height()) / 2) +
                QStringList{"click", "1", "key", "ctrl+a", "type", QString::number(width)});
    xdotool(at(path.first()));
    QStringList drag{"mousedown", "1"};
    for (const QPoint& p : path.mid(1))
        drag << at(p) << "sleep" << interval;
    drag += {"mouseup", "1"};

    const auto screenshot = [&] {
        return QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
    };
    const double cpuBefore = settledCpuMs(app.processId());
    const QImage before = screenshot();
    const int paintsBefore = canvasPaints(log);
    QElapsedTimer clock;
    clock.start();
    xdotool(drag);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const Run run{(settledCpuMs(app.processId()) - cpuBefore) * 1000 / moves,
                  (canvasPaints(log) - paintsBefore) / seconds,
                  changedPixels(before, screenshot())};
    app.kill();
    app.waitForFinished();
    return run;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QString program = argc > 1 ? argv[1] : "build/nubika";
    const QString bare = QCoreApplication::applicationDirPath() + "/nubika_barewindow";
    const QList<QPoint> path = dragPath();
    std::printf("%d moves of %d px, %s s apart; median of %d runs timed, then %d counting "
                "repaints\n",
                moves, step, interval, runs, runs);
    std::printf("%-16s %14s %7s %11s  %-22s %9s\n", "window", "CPU ms/1000mv", "x bare",
                "repaints/s", "changed px", "reference");
    double bareCpu = 0;
    for (int width : {0, 1, widestPen}) {
        QList<double> cpu, paints;
        QStringList changed;
        for (int i = 0; i < 2 * runs; ++i) {
            const Run run = measure(width > 0 ? program : bare, width, path, i >= runs);
            (i < runs ? cpu : paints) << (i < runs ? run.cpuPerThousand : run.paintsPerSecond);
            changed << QString::number(run.changed);
        }
        changed.removeDuplicates(); // one number when every run drew the same
        bareCpu = width > 0 ? bareCpu : median(cpu);
        const QString name =
            width > 0 ? QStringLiteral("nubika width %1").arg(width) : "bare window";
        const QString reference = width > 0 ? QString::number(referencePixels(path, width)) : "-";
        std::printf("%-16s %14.1f %7.2f %11.1f  %-22s %9s\n", qPrintable(name), median(cpu),
                    median(cpu) / bareCpu, median(paints), qPrintable(changed.join(' ')),
                    qPrintable(reference));
    }
}
