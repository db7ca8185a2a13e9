#pragma once

#include <QImage>
#include <QProcess>

// The program (command line NUBIKA_EXE) on the test's X server, driven by xdotool as a user would.
struct XSession {
    explicit XSession(const QString& path = qEnvironmentVariable("PATH")); // its search path
    ~XSession() { program.kill(), program.waitForFinished(); }
    QStringList windows(const QString& title = {}); // its visible windows, of this title if given
    QString window(const QString& title);           // waits until one has the focus (20 s at most)
    // Waits for a box owned by it (with the text, under Wine), and closes it with Enter.
    bool messageBox(const QString& over, const QString& text = {});
    // Its owner as taskbars see it: "-" none, "hidden" a window not shown, or the owner's title;
    // then Windows' " tool", " app" or X's " skip" (under Wine, for Windows' foreground window).
    QString owner(const QString& window);
    static QStringList probe(); // under Wine, the lines of tests/windows/probe.cpp

    static QString run(const QString& program, const QStringList& args); // what it printed
    static QString xdotool(const QStringList& args) { return run("xdotool", args); }
    static QString focused() { return xdotool({"getwindowfocus"}); }
    static QRect client(const QString& window); // on the screen, without the frame
    static QRect frame(const QString& window);  // with the window manager's frame
    static QImage shot(const QString& window);  // the client area as the screen shows it
    // Through the points, each move delivered; then mousedown, mouseup, click or no button.
    static void move(const QString& window, const QList<QPoint>& path, const QString& button);
    static void click(const QString& window, QRect r) { move(window, {r.center()}, "click"); }

    QProcess program;
};
