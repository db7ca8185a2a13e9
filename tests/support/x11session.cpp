#include "support/x11session.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

X11Session::X11Session()
{
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(qEnvironmentVariable("NUBIKA_EXE"), {});
    process.waitForStarted();
}

X11Session::~X11Session()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
}

QString X11Session::xdotool(const QStringList& args)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

QString X11Session::waitForWindow(const QString& titlePattern)
{
    return xdotool({"search", "--sync", "--onlyvisible", "--name", titlePattern})
        .split('\n')
        .first();
}

QRect X11Session::geometry(const QString& window)
{
    QRect rect;
    for (const QString& line : xdotool({"getwindowgeometry", "--shell", window}).split('\n')) {
        const QString value = line.section('=', 1);
        if (line.startsWith("X="))
            rect.moveLeft(value.toInt());
        else if (line.startsWith("Y="))
            rect.moveTop(value.toInt());
        else if (line.startsWith("WIDTH="))
            rect.setWidth(value.toInt());
        else if (line.startsWith("HEIGHT="))
            rect.setHeight(value.toInt());
    }
    return rect;
}

QImage X11Session::screenshot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

bool X11Session::waitForExit(int ms)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(ms);
}
