#include "fakeregistry.h"
#include "platform/diskfileexistsservice.h"
#include "platform/posixprogramstartservice.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString firstPath = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
enum Start { starts, fails, throws };

std::vector<std::string> noneOrOne(const QString& text)
{
    return text.isEmpty() ? std::vector<std::string>{} : std::vector{text.toStdString()};
}

} // namespace

class TestSysInfo : public QObject {
    Q_OBJECT
private slots:
    void startsTheToolOrShowsTheMessage_data();
    void startsTheToolOrShowsTheMessage();
    void realServicesRefuseWhatCannotRun();
};

void TestSysInfo::startsTheToolOrShowsTheMessage_data()
{
    QTest::addColumn<uint>("pathType"); // 0: no PATH value
    QTest::addColumn<QByteArray>("pathData");
    QTest::addColumn<QString>("folder"); // empty: no folder key
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("fileTested");
    QTest::addColumn<QString>("started");
    QTest::addColumn<bool>("message");

    const QByteArray zero(1, '\0');
    const QByteArray gone = "C:\\Gone\\msinfo32.exe";
    const QString tools = "C:\\Tools\\MSINFO32.EXE";
    // The folder holding the tool is set wherever a found first location must keep it unused.
    // Spaces and all, that location's text is one program path, with no file test.
    QTest::newRow("first location") << 1u << firstPath.toUtf8() + zero << "C:\\Tools" << +starts
                                    << QString() << firstPath << false;
    QTest::newRow("folder") << 0u << QByteArray() << "C:\\Tools" << +starts << tools << tools
                            << false;
    QTest::newRow("trailing backslash")
        << 0u << QByteArray() << "C:\\MSInfo\\" << +starts << "C:\\MSInfo\\\\MSINFO32.EXE"
        << "C:\\MSInfo\\\\MSINFO32.EXE" << false;
    QTest::newRow("folder without the file") << 0u << QByteArray() << "C:\\Empty" << +starts
                                             << "C:\\Empty\\MSINFO32.EXE" << QString() << true;
    QTest::newRow("both missing") << 0u << QByteArray() << QString() << +starts << QString()
                                  << QString() << true;
    QTest::newRow("start fails") << 1u << gone + zero << "C:\\Tools" << +fails << QString()
                                 << QString(gone) << true;
    QTest::newRow("start throws") << 1u << gone + zero << "C:\\Tools" << +throws << QString()
                                  << QString(gone) << true;
    QTest::newRow("expandable string") << 2u << QByteArray("%X%\\a.exe") + zero << "C:\\Tools"
                                       << +starts << QString() << QString() << true;
    QTest::newRow("value without data")
        << 1u << QByteArray() << "C:\\Tools" << +starts << QString() << QString() << true;
}

void TestSysInfo::startsTheToolOrShowsTheMessage()
{
    QFETCH(uint, pathType);
    QFETCH(QByteArray, pathData);
    QFETCH(QString, folder);
    QFETCH(int, start);
    QFETCH(QString, fileTested);
    QFETCH(QString, started);
    QFETCH(bool, message);
    FakeLaunch launch;
    if (pathType != 0)
        launch.registry.set(pathKey, "PATH", pathType, {pathData.begin(), pathData.end()});
    if (!folder.isEmpty())
        launch.registry.setText(folderKey, "MSINFO", folder.toStdString());
    launch.files.present = {"C:\\Tools\\MSINFO32.EXE", "C:\\MSInfo\\\\MSINFO32.EXE"};
    launch.programs.works = start != fails;
    launch.programs.throws = start == throws;

    launch.launcher.StartSysInfo();

    QCOMPARE(launch.files.asked, noneOrOne(fileTested));
    QCOMPARE(launch.programs.started, noneOrOne(started));
    QCOMPARE(launch.messages.shown, noneOrOne(message ? "現時点ではｼｽﾃﾑ情報を使用できません" : ""));
    QVERIFY(launch.registry.open.empty());
}

void TestSysInfo::realServicesRefuseWhatCannotRun()
{
    QTemporaryDir scratch;
    const std::string folder = scratch.path().toStdString();
    const std::string absent = folder + "/absent";
    const std::string plain = folder + "/plain";
    QFile file(QString::fromStdString(plain));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();

    PosixProgramStartService programs;
    // A command line is not split: "sh -c" is no program path.
    for (const std::string& path :
         {std::string(), absent, folder, plain, std::string(NUBIKA_START_HELPER) + '\0',
          std::string("/bin/sh -c true")})
        QVERIFY2(!programs.StartProgram(path), path.c_str());

    DiskFileExistsService files;
    QVERIFY(files.FileExists(plain));
    QVERIFY(!files.FileExists(folder));
    QVERIFY(!files.FileExists(absent));
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
