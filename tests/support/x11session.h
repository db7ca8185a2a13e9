#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>

// The built program running on the test's X server, driven through xdotool as a person would.
class X11Session {
public:
    // Starts the executable named by the environment variable NUBIKA_EXE.
    X11Session();
    ~X11Session();

    // Runs xdotool and returns what it printed, trimmed.
    static QString xdotool(const QStringList& args);
    // Waits until a visible window whose title matches the pattern exists; returns its id.
    static QString waitForWindow(const QString& titlePattern);
    static QRect geometry(const QString& window);
    static QImage screenshot();

    QProcess& program() { return process; }
    bool waitForExit(int ms = 10000);

private:
    QProcess process;
};
