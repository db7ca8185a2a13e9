#include "about/sysinfolauncher.h"
#include "fakeservices.h"
#include "platform/diskfileexistsservice.h"
#include "platform/inprocessregistry.h"
#include "platform/posixprogramstartservice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>
#include <map>

namespace {

const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string message = "現時点ではｼｽﾃﾑ情報を使用できません";

// Windows status codes the open and query calls document: file not found, access denied,
// invalid handle, invalid parameter, more data.
const QList<int> statusCodes = {2, 5, 6, 87, 234};

// A back end whose calls fail with a chosen status code, key by key. A failed call writes
// garbage into its outputs, as nothing promises they are left alone.
class FailingRegistry final : public RegistryService {
public:
    struct Entry {
        Status open = success;
        Status query = success;
        std::string text;
    };
    std::map<std::string, Entry> keys;
    std::map<Key, std::string> handles;
    int closes = 0;

    Status RegOpenKeyExA(Key, const char* subKey, std::uint32_t, std::uint32_t,
                         Key* result) override
    {
        const auto found = keys.find(subKey);
        if (found == keys.end())
            return fileNotFound;
        if (found->second.open != success) {
            *result = 0xDEAD;
            return found->second.open;
        }
        *result = nextHandle++;
        handles[*result] = subKey;
        return success;
    }
    Status RegQueryValueExA(Key key, const char*, std::uint32_t*, std::uint32_t* type,
                            unsigned char* data, std::uint32_t* dataLength) override
    {
        const Entry& entry = keys.at(handles.at(key));
        if (entry.query != success) {
            *type = typeSz;
            std::memset(data, 'z', *dataLength);
            *dataLength = entry.query == moreData ? 4096 : 7;
            return entry.query;
        }
        *type = typeSz;
        *dataLength = std::uint32_t(entry.text.size() + 1);
        std::memcpy(data, entry.text.c_str(), entry.text.size() + 1);
        return success;
    }
    // The result of closing is not looked at; say the handle was bad every time.
    Status RegCloseKey(Key key) override
    {
        ++closes;
        handles.erase(key);
        return invalidHandle;
    }

private:
    Key nextHandle = 0x80;
};

struct Launch {
    FailingRegistry registry;
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher{registry, files, programs, messages};
};

bool alive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0;
}

} // namespace

class TestSysInfoStatus : public QObject {
    Q_OBJECT
private slots:
    void failedCallReadsAsMissing_data();
    void failedCallReadsAsMissing();
    void failedFirstLocationFallsBack_data();
    void failedFirstLocationFallsBack();
    void bothLocationsFailing_data();
    void bothLocationsFailing();
    void toolPathIsOneLiteralProgram_data();
    void toolPathIsOneLiteralProgram();

private:
    void statusRows();
};

void TestSysInfoStatus::statusRows()
{
    QTest::addColumn<bool>("inOpen");
    QTest::addColumn<int>("status");
    for (bool inOpen : {true, false})
        for (int status : statusCodes)
            QTest::addRow("%s %d", inOpen ? "open" : "query", status) << inOpen << status;
}

void TestSysInfoStatus::failedCallReadsAsMissing_data()
{
    statusRows();
}

void TestSysInfoStatus::failedCallReadsAsMissing()
{
    QFETCH(bool, inOpen);
    QFETCH(int, status);
    Launch launch;
    auto& entry = launch.registry.keys["SOFTWARE\\Test"];
    entry.text = "C:\\tool.exe";
    (inOpen ? entry.open : entry.query) = status;

    std::string value = "left from before";
    QVERIFY(!launch.launcher.GetKeyValue(RegistryService::localMachine, "SOFTWARE\\Test", "Value",
                                         value));
    QCOMPARE(value, std::string());
    QCOMPARE(launch.registry.closes, 1);
    QVERIFY(launch.registry.handles.empty());
    QVERIFY(launch.messages.shown.empty());
}

void TestSysInfoStatus::failedFirstLocationFallsBack_data()
{
    statusRows();
}

void TestSysInfoStatus::failedFirstLocationFallsBack()
{
    QFETCH(bool, inOpen);
    QFETCH(int, status);
    Launch launch;
    auto& first = launch.registry.keys[pathKey];
    first.text = "C:\\Wrong\\msinfo32.exe";
    (inOpen ? first.open : first.query) = status;
    launch.registry.keys[folderKey].text = "C:\\Tools";
    launch.files.present.insert("C:\\Tools\\MSINFO32.EXE");

    launch.launcher.StartSysInfo();

    QCOMPARE(launch.programs.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    QVERIFY(launch.messages.shown.empty());
    QCOMPARE(launch.registry.closes, 2);
    QVERIFY(launch.registry.handles.empty());
}

void TestSysInfoStatus::bothLocationsFailing_data()
{
    statusRows();
}

void TestSysInfoStatus::bothLocationsFailing()
{
    QFETCH(bool, inOpen);
    QFETCH(int, status);
    Launch launch;
    for (const std::string& key : {pathKey, folderKey}) {
        auto& entry = launch.registry.keys[key];
        entry.text = "C:\\Tools";
        (inOpen ? entry.open : entry.query) = status;
    }
    // Were the garbage of a failed read taken for a folder, this file would be started.
    launch.files.present.insert("zzzzzzz\\MSINFO32.EXE");

    launch.launcher.StartSysInfo();

    QCOMPARE(launch.messages.shown, std::vector<std::string>{message});
    QVERIFY(launch.programs.started.empty());
    QVERIFY(launch.files.asked.empty());
    QCOMPARE(launch.registry.closes, 2);
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
        QCOMPARE(lines[2], "1");  // no arguments
        QCOMPARE(lines[3], path); // the whole text, as the program's own path
        QFile release(marker + ".release");
        QVERIFY(release.open(QIODevice::WriteOnly));
        release.close();
        const qint64 pid = lines[0].toLongLong();
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
