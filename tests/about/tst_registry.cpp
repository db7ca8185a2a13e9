#include "about/sysinfolauncher.h"
#include "fakeregistry.h"
#include "fakeservices.h"
#include "platform/inprocessregistry.h"
#include "platform/searchpath.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const std::string key = "SOFTWARE\\Test";

std::vector<unsigned char> bytesOf(const QByteArray& data)
{
    return {data.begin(), data.end()};
}

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
    void convertsByType_data();
    void convertsByType();
    void failsWithoutKeyOrValue_data();
    void failsWithoutKeyOrValue();
    void valueWithoutDataThrows();
    void inProcessRegistryIsReadOnly();
    void desktopRegistryNamesAToolOnTheSearchPath();
};

void TestRegistry::convertsByType_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("onEntry");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray path("C:\\Program Files\\Tools\\msinfo32.exe");
    const QByteArray zero(1, '\0');
    QTest::newRow("string, one zero") << 1u << path + zero << QByteArray() << path;
    QTest::newRow("string, no zero") << 1u << path << QByteArray() << path;
    QTest::newRow("string, two zeros") << 1u << path + zero + zero << QByteArray() << path + zero;
    QTest::newRow("string replaces entry") << 1u << path + zero << QByteArray("old") << path;
    QTest::newRow("one byte, a zero") << 1u << zero << QByteArray("old") << QByteArray();
    QTest::newRow("multi-byte characters") << 1u << QByteArray("/opt/ヌビカ/情報") + zero
                                           << QByteArray() << QByteArray("/opt/ヌビカ/情報");
    QTest::newRow("1023 bytes") << 1u << QByteArray(1022, 'a') + zero << QByteArray()
                                << QByteArray(1022, 'a');
    QTest::newRow("1024 bytes") << 1u << QByteArray(1023, 'b') + zero << QByteArray()
                                << QByteArray(1023, 'b');
    QTest::newRow("1024 bytes, no zero")
        << 1u << QByteArray(1024, 'c') << QByteArray() << QByteArray(1024, 'c');

    QTest::newRow("dword 1") << 4u << QByteArray("\x01\x00\x00\x00", 4) << QByteArray()
                             << QByteArray("1");
    QTest::newRow("dword 0x4D3C2B1A")
        << 4u << QByteArray("\x1A\x2B\x3C\x4D", 4) << QByteArray() << QByteArray("1295788826");
    QTest::newRow("dword 0x00010000")
        << 4u << QByteArray("\x00\x00\x01\x00", 4) << QByteArray() << QByteArray("65536");
    QTest::newRow("dword 0xFFFFFFFF")
        << 4u << QByteArray("\xFF\xFF\xFF\xFF", 4) << QByteArray() << QByteArray("4294967295");
    QTest::newRow("dword replaces entry")
        << 4u << QByteArray("\x07\x00\x00\x00", 4) << QByteArray("12") << QByteArray("7");

    QTest::newRow("expandable string keeps entry")
        << 2u << QByteArray("%SystemRoot%\\msinfo32.exe") + zero << QByteArray("kept")
        << QByteArray("kept");
    QTest::newRow("binary keeps empty entry")
        << 3u << QByteArray("\x01\x02", 2) << QByteArray() << QByteArray();
}

void TestRegistry::convertsByType()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, onEntry);
    QFETCH(QByteArray, expected);

    FakeRegistry registry;
    registry.set(key, "Value", type, bytesOf(data));
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher(registry, files, programs, messages);

    std::string value = onEntry.toStdString();
    QVERIFY(launcher.GetKeyValue(RegistryService::localMachine, key, "Value", value));
    QCOMPARE(QByteArray::fromStdString(value), expected);

    // Opened for reading only, read with a 1024-byte buffer, closed once.
    QCOMPARE(registry.opens.size(), 1u);
    QCOMPARE(registry.opens[0].root, RegistryService::localMachine);
    QCOMPARE(registry.opens[0].subKey, key);
    QCOMPARE(registry.opens[0].options, 0u);
    QCOMPARE(registry.opens[0].access, 0x20019u);
    QCOMPARE(registry.queries.size(), 1u);
    QCOMPARE(registry.queries[0].name, std::string("Value"));
    QCOMPARE(registry.queries[0].reserved, nullptr);
    QCOMPARE(registry.queries[0].lengthIn, 1024u);
    QCOMPARE(registry.closes.size(), 1u);
    QVERIFY(registry.open.empty());
}

void TestRegistry::failsWithoutKeyOrValue_data()
{
    QTest::addColumn<QByteArray>("keyName");
    QTest::addColumn<QByteArray>("valueName");
    QTest::addColumn<int>("queries");

    QTest::newRow("missing key") << QByteArray("SOFTWARE\\Absent") << QByteArray("Value") << 0;
    QTest::newRow("key that refuses to open")
        << QByteArray("SOFTWARE\\Locked") << QByteArray("Value") << 0;
    QTest::newRow("missing value") << QByteArray(key.c_str()) << QByteArray("Absent") << 1;
    QTest::newRow("1025 bytes") << QByteArray(key.c_str()) << QByteArray("Long") << 1;
    QTest::newRow("1025-byte dword") << QByteArray(key.c_str()) << QByteArray("LongDword") << 1;
}

void TestRegistry::failsWithoutKeyOrValue()
{
    QFETCH(QByteArray, keyName);
    QFETCH(QByteArray, valueName);
    QFETCH(int, queries);

    FakeRegistry registry;
    registry.setText(key, "Value", "text");
    registry.set(key, "Long", RegistryService::typeSz, std::vector<unsigned char>(1025, 'x'));
    registry.set(key, "LongDword", RegistryService::typeDword, std::vector<unsigned char>(1025, 1));
    registry.setText("SOFTWARE\\Locked", "Value", "text");
    registry.refuse("SOFTWARE\\Locked");
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher(registry, files, programs, messages);

    std::string value = "left from before";
    QVERIFY(!launcher.GetKeyValue(RegistryService::localMachine, keyName.toStdString(),
                                  valueName.toStdString(), value));
    QCOMPARE(value, std::string());
    QCOMPARE(int(registry.queries.size()), queries);
    // Closed on every path; a key that never opened is closed as a null handle.
    QCOMPARE(registry.closes.size(), 1u);
    if (queries == 0)
        QCOMPARE(registry.closes[0], RegistryService::Key{0});
    QVERIFY(registry.open.empty());
    QVERIFY(messages.shown.empty());
}

void TestRegistry::valueWithoutDataThrows()
{
    FakeRegistry registry;
    registry.set(key, "Empty", RegistryService::typeSz, {});
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher(registry, files, programs, messages);

    std::string value;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, launcher.GetKeyValue(RegistryService::localMachine,
                                                                     key, "Empty", value));
    QCOMPARE(registry.closes.size(), 1u);
    QVERIFY(registry.open.empty());
}

void TestRegistry::inProcessRegistryIsReadOnly()
{
    InProcessRegistry registry({
        InProcessRegistry::stringValue(RegistryService::localMachine, "SOFTWARE\\Shared\\Tool",
                                       "PATH", "/usr/bin/tool"),
    });

    RegistryService::Key handle = 0;
    // Any write right is refused, as for a user without them.
    QCOMPARE(registry.RegOpenKeyExA(RegistryService::localMachine, "SOFTWARE\\Shared\\Tool", 0,
                                    0x2003F, &handle),
             RegistryService::accessDenied);
    QCOMPARE(handle, RegistryService::Key{0});
    QCOMPARE(registry.RegOpenKeyExA(RegistryService::classesRoot, "SOFTWARE\\Shared\\Tool", 0,
                                    RegistryService::keyRead, &handle),
             RegistryService::fileNotFound);
    QCOMPARE(registry.RegOpenKeyExA(RegistryService::localMachine, "SOFTWARE\\Shared", 0,
                                    RegistryService::keyRead, &handle),
             RegistryService::success);
    QCOMPARE(registry.RegCloseKey(handle), RegistryService::success);
    QCOMPARE(registry.RegOpenKeyExA(RegistryService::localMachine, "software\\SHARED\\tool", 0,
                                    RegistryService::keyRead, &handle),
             RegistryService::success);
    QVERIFY(handle != 0);

    std::uint32_t type = 0;
    unsigned char data[32] = {};
    std::uint32_t length = 5;
    QCOMPARE(registry.RegQueryValueExA(handle, "path", nullptr, &type, data, &length),
             RegistryService::moreData);
    QCOMPARE(length, 14u);
    length = sizeof data;
    QCOMPARE(registry.RegQueryValueExA(handle, "path", nullptr, &type, data, &length),
             RegistryService::success);
    QCOMPARE(type, RegistryService::typeSz);
    QCOMPARE(length, 14u);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(data), 14), QByteArray("/usr/bin/tool", 14));
    QCOMPARE(registry.RegQueryValueExA(handle, "Other", nullptr, &type, data, &length),
             RegistryService::fileNotFound);

    QCOMPARE(registry.openKeys(), 1u);
    QCOMPARE(registry.RegCloseKey(handle), RegistryService::success);
    QCOMPARE(registry.RegCloseKey(handle), RegistryService::invalidHandle);
    QCOMPARE(registry.openKeys(), 0u);
}

void TestRegistry::desktopRegistryNamesAToolOnTheSearchPath()
{
    QTemporaryDir first;
    QTemporaryDir second;
    // Not executable, so passed over; the next folder's tool is taken.
    makeFile(first.filePath("kinfocenter"), false);
    makeFile(second.filePath("hardinfo"), true);
    QVERIFY(QDir().mkdir(first.filePath("hardinfo")));
    const std::string searchPath =
        "relative/bin::" + first.path().toStdString() + ":" + second.path().toStdString() + "/";
    QCOMPARE(SearchPath::find("hardinfo", searchPath), second.filePath("hardinfo").toStdString());
    QCOMPARE(SearchPath::find("kinfocenter", searchPath), std::string());

    InProcessRegistry registry = InProcessRegistry::desktop(searchPath);
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher(registry, files, programs, messages);
    std::string path;
    QVERIFY(launcher.GetKeyValue(RegistryService::localMachine,
                                 "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path));
    QCOMPARE(path, second.filePath("hardinfo").toStdString());
    QCOMPARE(registry.openKeys(), 0u);

    InProcessRegistry bare = InProcessRegistry::desktop(first.path().toStdString());
    SysInfoLauncher none(bare, files, programs, messages);
    QVERIFY(!none.GetKeyValue(RegistryService::localMachine,
                              "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path));
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
