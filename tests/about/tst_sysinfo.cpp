#include "about/sysinfolauncher.h"
#include "fakeregistry.h"
#include "fakeservices.h"
#include "platform/diskfileexistsservice.h"
#include "platform/inprocessregistry.h"
#include "platform/posixprogramstartservice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string message = "現時点ではｼｽﾃﾑ情報を使用できません";

struct Launch {
    FakeRegistry registry;
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher{registry, files, programs, messages};

    std::vector<std::string> keysOpened() const
    {
        std::vector<std::string> keys;
        for (const auto& open : registry.opens)
            keys.push_back(open.subKey);
        return keys;
    }
};

bool alive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0;
}

} // namespace

class TestSysInfo : public QObject {
    Q_OBJECT
private slots:
    void startsFirstLocationUnchanged();
    void fallsBackToTheFolder_data();
    void fallsBackToTheFolder();
    void showsTheMessageOnFailure_data();
    void showsTheMessageOnFailure();
    void startsARealProgramWithoutWaiting();
    void realStarterRefusesWhatCannotRun();
};

void TestSysInfo::startsFirstLocationUnchanged()
{
    Launch launch;
    // Spaces and all, the text is one program path.
    const std::string tool =
        "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    launch.registry.setText(pathKey, "PATH", tool);
    launch.registry.setText(folderKey, "MSINFO", "C:\\Other");

    launch.launcher.StartSysInfo();

    QCOMPARE(launch.programs.started, std::vector<std::string>{tool});
    QVERIFY(launch.files.asked.empty());
    QCOMPARE(launch.keysOpened(), std::vector<std::string>{pathKey});
    QVERIFY(launch.messages.shown.empty());
    QVERIFY(launch.registry.open.empty());
}

void TestSysInfo::fallsBackToTheFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << "C:\\Program Files\\MSInfo"
                            << "C:\\Program Files\\MSInfo\\MSINFO32.EXE";
    QTest::newRow("trailing backslash") << "C:\\MSInfo\\"
                                        << "C:\\MSInfo\\\\MSINFO32.EXE";
}

void TestSysInfo::fallsBackToTheFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    Launch launch;
    launch.registry.setText(pathKey, "Other", "unrelated");
    launch.registry.setText(folderKey, "MSINFO", folder.toStdString());
    launch.files.present.insert(expected.toStdString());

    launch.launcher.StartSysInfo();

    QCOMPARE(launch.keysOpened(), (std::vector<std::string>{pathKey, folderKey}));
    QCOMPARE(launch.files.asked, std::vector<std::string>{expected.toStdString()});
    QCOMPARE(launch.programs.started, std::vector<std::string>{expected.toStdString()});
    QVERIFY(launch.messages.shown.empty());
    QVERIFY(launch.registry.open.empty());
}

void TestSysInfo::showsTheMessageOnFailure_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<int>("keysRead");

    QTest::newRow("both missing") << "none" << QStringList() << 2;
    QTest::newRow("folder without the file") << "folder" << QStringList() << 2;
    QTest::newRow("start fails") << "path, fails" << QStringList{"C:\\Gone\\msinfo32.exe"} << 1;
    QTest::newRow("start throws") << "path, throws" << QStringList{"C:\\Gone\\msinfo32.exe"} << 1;
    QTest::newRow("expandable string") << "expandable" << QStringList() << 1;
    QTest::newRow("value without data") << "no data" << QStringList() << 1;
    QTest::newRow("value over 1024 bytes, no folder") << "long" << QStringList() << 2;
}

void TestSysInfo::showsTheMessageOnFailure()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, started);
    QFETCH(int, keysRead);
    Launch launch;
    if (setup == "folder")
        launch.registry.setText(folderKey, "MSINFO", "C:\\Empty");
    if (setup.startsWith("path"))
        launch.registry.setText(pathKey, "PATH", "C:\\Gone\\msinfo32.exe");
    launch.programs.works = setup != "path, fails";
    launch.programs.throws = setup == "path, throws";
    if (setup == "expandable")
        launch.registry.set(pathKey, "PATH", RegistryService::typeExpandSz,
                            {'%', 'X', '%', '\\', 'a', '.', 'e', 'x', 'e', 0});
    if (setup == "no data")
        launch.registry.set(pathKey, "PATH", RegistryService::typeSz, {});
    if (setup == "long")
        launch.registry.setText(pathKey, "PATH", std::string(1024, 'x'));
    if (setup == "expandable" || setup == "no data")
        launch.registry.setText(folderKey, "MSINFO", "C:\\Tools");
    launch.files.present.insert("C:\\Tools\\MSINFO32.EXE");

    launch.launcher.StartSysInfo();

    QCOMPARE(launch.messages.shown, std::vector<std::string>{message});
    std::vector<std::string> expected;
    for (const QString& path : started)
        expected.push_back(path.toStdString());
    QCOMPARE(launch.programs.started, expected);
    QCOMPARE(int(launch.registry.opens.size()), keysRead);
    QVERIFY(launch.registry.open.empty());
}

void TestSysInfo::startsARealProgramWithoutWaiting()
{
    QTemporaryDir scratch;
    const QString folder = scratch.filePath("System Tools");
    QVERIFY(QDir().mkpath(folder));
    const QString tool = folder + "/kinfocenter";
    QVERIFY(QFile::copy(QStringLiteral(NUBIKA_START_HELPER), tool));
    const QString marker = scratch.filePath("started");
    qputenv("NUBIKA_HELPER_MARKER", QFile::encodeName(marker));

    InProcessRegistry registry = InProcessRegistry::desktop(folder.toStdString());
    DiskFileExistsService files;
    PosixProgramStartService programs;
    FakeMessages messages;
    SysInfoLauncher(registry, files, programs, messages).StartSysInfo();
    QVERIFY(messages.shown.empty());

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
    QFile record(marker);
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(record.readAll()).split('\n');
    QCOMPARE(lines.size(), 4);
    const qint64 pid = lines[0].toLongLong();
    QCOMPARE(lines[1], "1");  // a session of its own
    QCOMPARE(lines[2], "1");  // no arguments
    QCOMPARE(lines[3], tool); // the whole path, spaces included
    // Still running: the launcher returned without waiting for it.
    QVERIFY(alive(pid));

    QFile release(marker + ".release");
    QVERIFY(release.open(QIODevice::WriteOnly));
    release.close();
    // Once it ends it is reaped, not left behind as a zombie.
    QTRY_VERIFY_WITH_TIMEOUT(!alive(pid), 20000);
}

void TestSysInfo::realStarterRefusesWhatCannotRun()
{
    QTemporaryDir scratch;
    QFile plain(scratch.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("#!/bin/sh\n");
    plain.close();

    PosixProgramStartService programs;
    QVERIFY(!programs.StartProgram(""));
    QVERIFY(!programs.StartProgram(scratch.filePath("absent").toStdString()));
    QVERIFY(!programs.StartProgram(scratch.path().toStdString()));
    QVERIFY(!programs.StartProgram(plain.fileName().toStdString()));
    QVERIFY(!programs.StartProgram(std::string(NUBIKA_START_HELPER) + '\0'));
    // A command line is not split: "sh -c" is no program path.
    QVERIFY(!programs.StartProgram("/bin/sh -c true"));

    // The registry names a file that is not there: the message, nothing raised.
    InProcessRegistry registry({InProcessRegistry::stringValue(
        RegistryService::localMachine, pathKey, "PATH", scratch.filePath("absent").toStdString())});
    DiskFileExistsService files;
    FakeMessages messages;
    SysInfoLauncher(registry, files, programs, messages).StartSysInfo();
    QCOMPARE(messages.shown, std::vector<std::string>{message});

    QVERIFY(files.FileExists(plain.fileName().toStdString()));
    QVERIFY(!files.FileExists(scratch.path().toStdString()));
    QVERIFY(!files.FileExists(scratch.filePath("absent").toStdString()));
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
