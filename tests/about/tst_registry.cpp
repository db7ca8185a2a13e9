#include "fakeregistry.h"
#include "platform/inprocessregistry.h"
#include "platform/searchpath.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Registry = RegistryService;
const std::string key = "SOFTWARE\\Test";
const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

void makeFile(const QString& path, bool executable)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                   : QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT
private slots:
    void readsAValue_data();
    void readsAValue();
    void inProcessRegistryIsReadOnly();
    void desktopRegistryNamesAToolOnTheSearchPath();
};

void TestRegistry::readsAValue_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("failingCall"); // 0: none, 1: open, 2: query
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("result"); // 1: true, 0: false, -1: throws
    QTest::addColumn<QByteArray>("expected");

    // Every read starts from this text: converted types replace it, others keep it.
    const QByteArray before("left from before");
    const auto converts = [](const char* name, uint type, const QByteArray& data,
                             const QByteArray& expected) {
        QTest::newRow(name) << type << data << 0 << 0 << 1 << expected;
    };
    const QByteArray path("C:\\Program Files\\Tools\\msinfo32.exe");
    const QByteArray zero(1, '\0');
    converts("string, one zero", 1, path + zero, path);
    converts("string, no zero", 1, path, path);
    converts("string, two zeros", 1, path + zero + zero, path + zero);
    converts("one byte, a zero", 1, zero, QByteArray());
    converts("multi-byte characters", 1, QByteArray("/opt/ヌビカ/情報") + zero, "/opt/ヌビカ/情報");
    converts("1023 bytes", 1, QByteArray(1022, 'a') + zero, QByteArray(1022, 'a'));
    converts("1024 bytes", 1, QByteArray(1023, 'b') + zero, QByteArray(1023, 'b'));
    converts("1024 bytes, no zero", 1, QByteArray(1024, 'c'), QByteArray(1024, 'c'));
    converts("dword 1", 4, QByteArray("\x01\x00\x00\x00", 4), "1");
    converts("dword 0x4D3C2B1A", 4, QByteArray("\x1A\x2B\x3C\x4D", 4), "1295788826");
    converts("dword 0x00010000", 4, QByteArray("\x00\x00\x01\x00", 4), "65536");
    converts("dword 0xFFFFFFFF", 4, QByteArray("\xFF\xFF\xFF\xFF", 4), "4294967295");
    converts("expandable string", 2, QByteArray("%SystemRoot%\\a.exe") + zero, before);
    converts("binary", 3, QByteArray("\x01\x02", 2), before);

    QTest::newRow("1025 bytes") << 1u << QByteArray(1025, 'x') << 0 << 0 << 0 << QByteArray();
    QTest::newRow("0 bytes") << 1u << QByteArray() << 0 << 0 << -1 << before;
    // Every status the calls document. Open 2 is a missing key, open 5 a key that refuses to
    // open, query 2 a missing value.
    for (int call : {1, 2})
        for (int status : {2, 5, 6, 87, 234})
            QTest::addRow("%s: %d", call == 1 ? "open" : "query", status)
                << 1u << path + zero << call << status << 0 << QByteArray();
}

void TestRegistry::readsAValue()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(int, failingCall);
    QFETCH(int, status);
    QFETCH(int, result);
    QFETCH(QByteArray, expected);
    FakeLaunch launch;
    FakeRegistry& registry = launch.registry;
    registry.set(key, "Value", type, {data.begin(), data.end()});
    if (failingCall != 0)
        registry.fail(key, failingCall == 1, status);

    std::string value = "left from before";
    const auto read = [&] {
        return launch.launcher.GetKeyValue(Registry::localMachine, key, "Value", value);
    };
    if (result < 0) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, read());
    } else {
        QCOMPARE(read(), result == 1);
    }
    QCOMPARE(QByteArray::fromStdString(value), expected);
    // Opened for reading only, read with a 1024-byte buffer, closed on every path: a key that
    // never opened as a null handle.
    QCOMPARE(registry.opens,
             (std::vector<FakeRegistry::Open>{{Registry::localMachine, key, 0, 0x20019}}));
    const bool opened = failingCall != 1;
    QCOMPARE(registry.queries, (opened ? std::vector<FakeRegistry::Query>{{"Value", nullptr, 1024}}
                                       : std::vector<FakeRegistry::Query>{}));
    QCOMPARE(registry.closes.size(), 1u);
    if (!opened)
        QCOMPARE(registry.closes[0], Registry::Key{0});
    QVERIFY(registry.open.empty());
    QVERIFY(launch.messages.shown.empty());
}

void TestRegistry::inProcessRegistryIsReadOnly()
{
    InProcessRegistry registry(
        {InProcessRegistry::stringValue(Registry::localMachine, toolKey, "PATH", "/usr/bin/tool")});
    Registry::Key handle = 0;
    const auto open = [&](Registry::Key root, const char* path, std::uint32_t access) {
        return registry.RegOpenKeyExA(root, path, 0, access, &handle);
    };
    // Any write right is refused, as for a user without them.
    QCOMPARE(open(Registry::localMachine, toolKey.c_str(), 0x2003F), Registry::accessDenied);
    QCOMPARE(handle, Registry::Key{0});
    QCOMPARE(open(Registry::classesRoot, toolKey.c_str(), Registry::keyRead),
             Registry::fileNotFound);
    // Names compare without regard to case, as on Windows.
    QCOMPARE(open(Registry::localMachine, "software\\MICROSOFT\\shared tools\\msinfo",
                  Registry::keyRead),
             Registry::success);

    std::uint32_t type = 0;
    unsigned char data[32] = {};
    std::uint32_t length = 5;
    QCOMPARE(registry.RegQueryValueExA(handle, "path", nullptr, &type, data, &length),
             Registry::moreData);
    QCOMPARE(length, 14u);
    length = sizeof data;
    QCOMPARE(registry.RegQueryValueExA(handle, "path", nullptr, &type, data, &length),
             Registry::success);
    QCOMPARE(type, Registry::typeSz);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(data), int(length)),
             QByteArray("/usr/bin/tool", 14));
    QCOMPARE(registry.RegQueryValueExA(handle, "Other", nullptr, &type, data, &length),
             Registry::fileNotFound);
    QCOMPARE(registry.RegCloseKey(handle), Registry::success);
    QCOMPARE(registry.openKeys(), 0u);
}

void TestRegistry::desktopRegistryNamesAToolOnTheSearchPath()
{
    QTemporaryDir first;
    QTemporaryDir second;
    // Not executable, or a folder, so passed over; the next folder's tool is taken.
    makeFile(first.filePath("kinfocenter"), false);
    QVERIFY(QDir().mkdir(first.filePath("hardinfo")));
    makeFile(second.filePath("hardinfo"), true);
    const std::string searchPath =
        "relative/bin::" + first.path().toStdString() + ":" + second.path().toStdString() + "/";
    const std::string tool = second.filePath("hardinfo").toStdString();
    QCOMPARE(SearchPath::find("hardinfo", searchPath), tool);
    QCOMPARE(SearchPath::find("kinfocenter", searchPath), std::string());

    FakeLaunch fakes;
    InProcessRegistry registry = InProcessRegistry::desktop(searchPath);
    SysInfoLauncher launcher(registry, fakes.files, fakes.programs, fakes.messages);
    std::string path;
    QVERIFY(launcher.GetKeyValue(Registry::localMachine, toolKey, "PATH", path));
    QCOMPARE(path, tool);
    QCOMPARE(registry.openKeys(), 0u);

    InProcessRegistry bare = InProcessRegistry::desktop(first.path().toStdString());
    QVERIFY(!SysInfoLauncher(bare, fakes.files, fakes.programs, fakes.messages)
                 .GetKeyValue(Registry::localMachine, toolKey, "PATH", path));
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
