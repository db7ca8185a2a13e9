#include "platform/nativeservices.h"

#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include "platform/windowsregistry.h"

#include <windows.h>
#else
#include "platform/searchpathregistry.h"
#endif

namespace {

// Not waited for; on Unix in a session of its own, leaving no zombie behind.
class DetachedProgramStartService final : public ProgramStartService {
public:
    bool start(const QString& path) override
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
};

class DiskFileExistsService final : public FileExistsService {
public:
    bool exists(const QString& path) override
    {
        if (path.isEmpty() || path.contains(QChar(0)))
            return false;
#ifdef Q_OS_WIN
        // Only normal files count: the same test as a directory listing of plain files.
        const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16()));
        return attributes != INVALID_FILE_ATTRIBUTES &&
               !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                               FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE));
#else
        return QFileInfo(path).isFile();
#endif
    }
};

} // namespace

std::unique_ptr<RegistryService>
NativeServices::registry([[maybe_unused]] const QString& keyPath,
                         [[maybe_unused]] const QString& valueName,
                         [[maybe_unused]] const QStringList& programs)
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<SearchPathRegistry>(keyPath, valueName, programs);
#endif
}

std::unique_ptr<ProgramStartService> NativeServices::programStarter()
{
    return std::make_unique<DetachedProgramStartService>();
}

std::unique_ptr<FileExistsService> NativeServices::fileTest()
{
    return std::make_unique<DiskFileExistsService>();
}
