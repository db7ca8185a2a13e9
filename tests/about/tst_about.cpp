// The About dialog and the System Information launcher.
#include "about/frmabout.h"
#include "about/sysinfolauncher.h"
#include "support/fakes.h"

#include <QPointer>
#include <QTest>

using L = SysInfoLauncher;
// A failure status is of the opening when below 0; "" is no second location, or nothing started.
using Row = std::tuple<uint, QByteArray, int, QByteArray, int, QByteArray, bool>;

class TestAbout : public QObject {
    Q_OBJECT
    FakeRegistry registry;
    FakeFiles files;
    FakeStarter starter;
    FakeMessageBox messages;
    L launcher{registry, files, starter, messages};
    QWidget window;

private slots:
    void init() { registry = {}, files = {}, starter = {}, messages = {}; }

    void startsTheTool_data()
    {
        QTest::addColumn<Row>("row");
        const QByteArray zero(1, '\0'), tool = "C:\\Program Files\\ツール\\msinfo32.exe";
        const QByteArray in = "C:\\Tools", found = "C:\\Tools\\MSINFO32.EXE", max(1024, 'a');
        QTest::newRow("first") << Row{1, tool + zero, 0, in, 1, tool, true};
        QTest::newRow("no zero") << Row{1, tool, 0, in, 1, tool, true};
        QTest::newRow("number") << Row{4, "\x1A\x2B\x3C\x4D", 0, in, 1, "1295788826", true};
        QTest::newRow("second") << Row{1, {}, 2, in, 2, found, true};
        QTest::newRow("no file") << Row{1, {}, 2, "C:\\Empty", 2, "", true};
        QTest::newRow("nothing") << Row{1, {}, 2, "", 1, "", true};
        QTest::newRow("expandable") << Row{2, tool + zero, 0, in, 1, "", true};
        QTest::newRow("start fails") << Row{1, tool + zero, 0, in, 1, tool, false};
        QTest::newRow("no data") << Row{1, {}, 0, in, 1, "", true};
        QTest::newRow("1025 bytes") << Row{1, max + zero, 0, in, 2, found, true};
        for (int status : {-2, -5, -6, -234, 2, 5, 6, 234})
            QTest::addRow("status %d", status)
                << Row{1, tool + zero, status, in, status < 0 ? 1 : 2, found, true};
    }
    void startsTheTool()
    {
        QFETCH(Row, row);
        const auto& [type, bytes, failure, folder, opened, started, starts] = row;
        registry.keys[L::toolPathKey] = {L::toolPathValue, type, bytes, -qMin(failure, 0),
                                         qMax(failure, 0)};
        if (!folder.isEmpty())
            registry.keys[L::toolFolderKey] = {L::toolFolderValue, 1, folder};
        files.present = {"C:\\Tools\\MSINFO32.EXE"};
        starter.succeeds = starts;
        launcher.StartSysInfo(window);
        QCOMPARE(starter.started, QStringList(!started.isEmpty(), QString::fromUtf8(started)));
        QCOMPARE(messages.shown, QStringList(started.isEmpty() || !starts, L::unavailableMessage));
        QCOMPARE(std::pair(registry.opened, registry.closed), std::pair(opened, opened));
        QCOMPARE(registry.access & 0x26, 0u); // no right to set values, create keys or links
    }

    // OK has the focus, then the picture and System Information; Enter presses the focused
    // button. OK unloads the dialog, and so does Esc wherever the focus is.
    void dialog()
    {
        registry.keys[L::toolPathKey] = {L::toolPathValue, 1, "/bin/tool"};
        for (const bool escape : {false, true}) {
            QPointer<frmAbout> dialog = new frmAbout(launcher);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            const frmAboutControls& ui = dialog->controls();
            QCOMPARE(ui.lblTitle->text() + ui.lblVersion->text(), "ヌビカﾊﾞｰｼﾞｮﾝ " NUBIKA_VERSION);
            for (QWidget* focus : QWidgetList{ui.cmdOK, ui.picIcon, ui.cmdSysInfo}) {
                QCOMPARE(QApplication::focusWidget(), focus);
                QTest::keyClick(dialog->windowHandle(), Qt::Key_Tab);
            }
            QTest::keyClick(dialog->windowHandle(), Qt::Key_Backtab);
            QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
            QCOMPARE(starter.started, QStringList(escape ? 2 : 1, "/bin/tool"));
            QTest::keyClick(dialog->windowHandle(), escape ? Qt::Key_Escape : Qt::Key_Tab);
            if (!escape)
                QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
            QTRY_VERIFY(dialog.isNull());
        }
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
