#include "platform/detachedprogramstartservice.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool DetachedProgramStartService::start(const QString& path)
{
    // The whole text is one program, with no shell and no arguments. On Windows Qt quotes a
    // path with spaces, so that "C:\Program Files\..." never runs C:\Program.exe.
    QProcess process;
    process.setProgram(path.left(path.indexOf(QChar(0))));
#ifdef Q_OS_WIN
    // As a program started from the desktop: a normal window, and a console if it needs one.
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->flags &= ~CREATE_NO_WINDOW;
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWNORMAL;
    });
#endif
    return process.startDetached();
}
