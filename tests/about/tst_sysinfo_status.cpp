#include "fakeregistry.h"
#include "platform/diskfileexistsservice.h"
#include "platform/inprocessregistry.h"
#include "platform/posixprogramstartservice.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string message = "現時点ではｼｽﾃﾑ情報を使用できません";

bool alive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0;
}

} // namespace

class TestSysInfoStatus : public QObject {
    Q_OBJECT
private slots:
    void failedReadsShowTheMessage_data();
    void failedReadsShowTheMessage();
    void toolPathIsOneLiteralProgram_data();
    void toolPathIsOneLiteralProgram();
};

void TestSysInfoStatus::failedReadsShowTheMessage_data()
{
    QTest::addColumn<bool>("inOpen");
    QTest::addColumn<int>("status");
    // Every status the open and query calls document.
    for (bool inOpen : {true, false})
        for (int status : {2, 5, 6, 87, 234})
            QTest::addRow("%s %d", inOpen ? "open" : "query", status) << inOpen << status;
}

void TestSysInfoStatus::failedReadsShowTheMessage()
{
    QFETCH(bool, inOpen);
    QFETCH(int, status);
    FakeLaunch launch;
    launch.registry.fail(pathKey, inOpen, status);
    launch.registry.fail(folderKey, inOpen, status);
    // Were the garbage of a failed read taken for a folder, this file would be started.
    launch.files.present.insert("zzzzzzz\\MSINFO32.EXE");

    launch.launcher.StartSysInfo();

    QCOMPARE(launch.messages.shown, std::vector<std::string>{message});
    QVERIFY(launch.programs.started.empty());
    QVERIFY(launch.files.asked.empty());
    QCOMPARE(launch.registry.closes.size(), 2u);
    QVERIFY(launch.registry.open.empty());
}

void TestSysInfoStatus::toolPathIsOneLiteralProgram_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("present");

    const QStringList paths = {
        "C:\\Program Files\\x.exe", "a b/tool",          "tool; touch pwned",
        "$(touch pwned)",           "`touch pwned`",     "tool && touch pwned",
        "\"tool\" 'quoted' > out",  "tool | touch pwned"};
    for (const QString& path : paths) {
        QTest::addRow("%s, absent", qPrintable(path)) << path << false;
        QTest::addRow("%s, present", qPrintable(path)) << path << true;
    }
}

// Runs in a scratch folder, so that relative paths and a shell's "touch pwned" would land there.
// The in-process registry and the real file test and starter, as on a Linux desktop.
void TestSysInfoStatus::toolPathIsOneLiteralProgram()
{
    QFETCH(QString, path);
    QFETCH(bool, present);
    QTemporaryDir scratch;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(scratch.path()));
    const auto back = qScopeGuard([&previous] { QDir::setCurrent(previous); });

    const QString marker = scratch.filePath("started");
    qputenv("NUBIKA_HELPER_MARKER", QFile::encodeName(marker));
    if (present) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(QFile::copy(QStringLiteral(NUBIKA_START_HELPER), path));
    }

    InProcessRegistry registry({InProcessRegistry::stringValue(
        RegistryService::localMachine, pathKey, "PATH", path.toStdString())});
    DiskFileExistsService files;
    PosixProgramStartService programs;
    FakeMessages messages;
    SysInfoLauncher(registry, files, programs, messages).StartSysInfo();

    if (present) {
        QVERIFY(messages.shown.empty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
        QFile record(marker);
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(record.readAll()).split('\n');
        QCOMPARE(lines.size(), 4);
        const qint64 pid = lines[0].toLongLong();
        QCOMPARE(lines[1], "1");  // a session of its own
        QCOMPARE(lines[2], "1");  // no arguments
        QCOMPARE(lines[3], path); // the whole text, as the program's own path
        // Still running: the launcher returned without waiting for it.
        QVERIFY(alive(pid));
        QFile release(marker + ".release");
        QVERIFY(release.open(QIODevice::WriteOnly));
        release.close();
        // Once it ends it is reaped, not left behind as a zombie.
        QTRY_VERIFY_WITH_TIMEOUT(!alive(pid), 20000);
    } else {
        QCOMPARE(messages.shown, std::vector<std::string>{message});
        QVERIFY(!QFile::exists(marker));
    }
    // Nothing else ran: no shell made these files.
    QVERIFY(!QFile::exists("pwned"));
    QVERIFY(!QFile::exists("out"));
}

QTEST_GUILESS_MAIN(TestSysInfoStatus)
#include "tst_sysinfo_status.moc"
