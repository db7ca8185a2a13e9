#include "support/xsession.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

QString XSession::run(const QString& program, const QStringList& args)
{
    QProcess tool;
    tool.start(program, args);
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

XSession::XSession(const QString& path)
{
    program.setEnvironment(QProcess::systemEnvironment() << "PATH=" + path);
    program.startCommand(qEnvironmentVariable("NUBIKA_EXE"));
}

static const bool wine = qEnvironmentVariableIsSet("NUBIKA_WINE_PROBE");
static const auto until = [](auto condition) { return QTest::qWaitFor(condition, 20000); };

QStringList XSession::probe() // its lines end with CR LF
{
    return run("wine", {qEnvironmentVariable("NUBIKA_WINE_PROBE")}).remove('\r').split('\n');
}

QStringList XSession::windows(const QString& title)
{
    return xdotool({"search", "--all", "--onlyvisible", "--pid",
                    QString::number(program.processId()), "--name",
                    title.isEmpty() ? "." : "^" + title + "$"})
        .split('\n', Qt::SkipEmptyParts);
}

QString XSession::window(const QString& title)
{
    QString found;
    // Under Wine the window manager turns down the program's own requests for the focus, which
    // Windows grants: once in Windows' foreground, the window gets it as from a user's click.
    const auto seen = [&] {
        if (!wine)
            return windows(title).contains(found = focused());
        if (probe().constFirst().section('\t', 0, 0) != title ||
            (found = windows(title).value(0)).isEmpty())
            return false;
        xdotool({"windowactivate", "--sync", found});
        return true;
    };
    return until(seen) ? found : QString();
}

bool XSession::messageBox(const QString& over, const QString& text)
{
    QString box;
    const auto up = [&] { return (box = focused()) != over && windows().contains(box); };
    bool shown = until(up) && until([&] { return owner(box) == xdotool({"getwindowname", over}); });
    if (shown && wine && !text.isEmpty()) {
        QGuiApplication::clipboard()->clear();
        xdotool({"key", "ctrl+c"});
        shown = until([&] {
            return QGuiApplication::clipboard()->text().remove('\r').contains('\n' + text + '\n');
        });
    }
    xdotool({"key", "Return"});
    return shown && until([&] { return !windows().contains(box); });
}

QString XSession::owner(const QString& window)
{
    if (wine) {
        const QStringList front = probe().constFirst().split('\t');
        return front.value(0) == xdotool({"getwindowname", window})
                   ? front.value(1) + front.value(2)
                   : "not in front";
    }
    const QString to =
        run("xprop", {"-id", window, "-f", "WM_TRANSIENT_FOR", "32i", "$0", "WM_TRANSIENT_FOR"})
            .section(')', 1);
    const QString owner = to.isEmpty()             ? "-"
                          : windows().contains(to) ? xdotool({"getwindowname", to})
                                                   : "hidden";
    const bool skip = run("xprop", {"-id", window, "_NET_WM_STATE"}).contains("SKIP_TASKBAR");
    return owner + (skip ? " skip" : "");
}

QRect XSession::client(const QString& window)
{
    const QString info = run("xwininfo", {"-id", window});
    const auto at = [&](const char* n) { return info.section(n, 1).section('\n', 0, 0).toInt(); };
    return {at("upper-left X:"), at("upper-left Y:"), at("Width:"), at("Height:")};
}

QRect XSession::frame(const QString& window)
{
    const QString e = run("xprop", {"-id", window, "_NET_FRAME_EXTENTS"}).section('=', 1);
    const auto at = [&](int i) { return e.section(',', i, i).toInt(); };
    return client(window).adjusted(-at(0), -at(2), at(1), at(3));
}

QImage XSession::shot(const QString& window)
{
    return QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
}

void XSession::move(const QString& window, const QList<QPoint>& path, const QString& button)
{
    const QString step = "mousemove --window " + window + " %1 %2 sleep 0.0001";
    QStringList args;
    for (const QPoint p : path)
        args += step.arg(p.x()).arg(p.y()).split(' ');
    xdotool(button.isEmpty() ? args : args << button << "1");
}
