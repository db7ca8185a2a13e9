#include "platform/nativeservices.h"

#ifdef _WIN32
#include "platform/windowsprogramstartservice.h"
#else
#include <QProcess>

namespace {

// Qt runs it in a session of its own, does not wait for it and leaves no zombie behind.
class DetachedProgramStartService final : public ProgramStartService {
public:
    bool start(const std::string& utf8Path) override
    {
        // The whole text is one path: no shell, no arguments.
        const std::string program = utf8Path.substr(0, utf8Path.find('\0'));
        return QProcess::startDetached(QString::fromStdString(program), {});
    }
};

} // namespace
#endif

std::unique_ptr<ProgramStartService> NativeServices::programStarter()
{
#ifdef _WIN32
    return std::make_unique<WindowsProgramStartService>();
#else
    return std::make_unique<DetachedProgramStartService>();
#endif
}
