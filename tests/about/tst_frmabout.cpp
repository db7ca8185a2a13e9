#include "about/frmabout.h"
#include "about/sysinfolauncher.h"
#include "app/application.h"
#include "fakeregistry.h"
#include "fakeservices.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QWindow>

namespace {

const QString caption = QString::fromUtf8("ヌビカのﾊﾞｰｼﾞｮﾝ情報");
const QString version = QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ 3.0.1");

template <typename T = QWidget> T* child(QWidget& window, const char* name)
{
    auto* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void click(QWidget& window, QWidget& control)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      control.mapTo(&window, control.rect().center()));
}

QList<frmAbout*> openDialogs()
{
    QList<frmAbout*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<frmAbout*>(widget); dialog && dialog->isVisible())
            dialogs.append(dialog);
    return dialogs;
}

struct Launch {
    FakeRegistry registry;
    FakeFiles files;
    FakePrograms programs;
    FakeMessages messages;
    SysInfoLauncher launcher{registry, files, programs, messages};
};

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    void showsTitleAndVersion();
    void sitsAtItsPlaceWithAFixedFrame();
    void tabCyclesOkIconSysInfo();
    void keysCloseOrStart_data();
    void keysCloseOrStart();
    void sysInfoLeavesItOpen();
    void versionLabelOpensOneDialogAndOkUnloadsIt();
};

void TestFrmAbout::showsTitleAndVersion()
{
    Launch launch;
    frmAbout dialog(launch.launcher);
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(child<QLabel>(dialog, "lblVersion")->text(), version);
    QCOMPARE(child<QLabel>(dialog, "lblTitle")->text(), QString::fromUtf8("ヌビカ"));
    QVERIFY(
        child<QLabel>(dialog, "lblDescription")->text().startsWith(QString::fromUtf8("開発者")));
    QCOMPARE(child<QLabel>(dialog, "lblDisclaimer")->text(), QString::fromUtf8("警告:"));
    QCOMPARE(child<QPushButton>(dialog, "cmdOK")->text(), "OK");
    QCOMPARE(child<QPushButton>(dialog, "cmdSysInfo")->text(),
             QString::fromUtf8("ｼｽﾃﾑ情報(&S)..."));
    const QLabel* picIcon = child<QLabel>(dialog, "picIcon");
    QCOMPARE(picIcon->pixmap().size(), QSize(32, 32));
    QCOMPARE(picIcon->geometry(), QRect(16, 16, 36, 36));
    QVERIFY(dialog.windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(dialog.windowIcon().availableSizes().contains(QSize(32, 32)));
}

void TestFrmAbout::sitsAtItsPlaceWithAFixedFrame()
{
    Launch launch;
    QPointer<frmAbout> dialog = new frmAbout(launch.launcher);
    const auto unload = qScopeGuard([&] { delete dialog; });
    showActive(*dialog);
    QCOMPARE(dialog->geometry(), QRect(331, 289, 382, 237));
    QCOMPARE(dialog->minimumSize(), QSize(382, 237));
    QCOMPARE(dialog->maximumSize(), QSize(382, 237));
    const Qt::WindowFlags flags = dialog->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->parentWidget(), nullptr);

    // The etched separator: grey above white, across the dialog.
    const QImage image = dialog->grab().toImage();
    QCOMPARE(image.pixelColor(200, 163), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(200, 164), QColor(Qt::white));
    QCOMPARE(image.pixelColor(200, 165), QColor(Qt::white));
    QVERIFY(image.pixelColor(200, 166) != QColor(Qt::white));
}

void TestFrmAbout::tabCyclesOkIconSysInfo()
{
    Launch launch;
    QPointer<frmAbout> dialog = new frmAbout(launch.launcher);
    const auto unload = qScopeGuard([&] { delete dialog; });
    showActive(*dialog);
    QWindow* window = dialog->windowHandle();
    QCOMPARE(QApplication::focusWidget(), child(*dialog, "cmdOK"));
    for (const char* next : {"picIcon", "cmdSysInfo", "cmdOK", "picIcon"}) {
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(*dialog, next));
    }
}

void TestFrmAbout::keysCloseOrStart_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Esc on OK") << 0 << int(Qt::Key_Escape) << true;
    QTest::newRow("Esc on the icon") << 1 << int(Qt::Key_Escape) << true;
    QTest::newRow("Esc on System Info") << 2 << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter on OK") << 0 << int(Qt::Key_Return) << true;
    QTest::newRow("Enter on the icon") << 1 << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on the icon") << 1 << int(Qt::Key_Enter) << true;
    QTest::newRow("Enter on System Info") << 2 << int(Qt::Key_Return) << false;
    QTest::newRow("Enter back on the icon") << 4 << int(Qt::Key_Return) << true;
}

void TestFrmAbout::keysCloseOrStart()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(bool, closes);
    Launch launch;
    launch.registry.setText("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "/usr/bin/tool");
    QPointer<frmAbout> dialog = new frmAbout(launch.launcher);
    const auto unload = qScopeGuard([&] { delete dialog; });
    showActive(*dialog);
    for (int tab = 0; tab < tabs; ++tab)
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Tab);

    QTest::keyClick(dialog->windowHandle(), Qt::Key(key));

    if (closes) {
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(launch.programs.started.empty());
    } else {
        QCOMPARE(launch.programs.started, std::vector<std::string>{"/usr/bin/tool"});
        QVERIFY(dialog->isVisible());
    }
}

void TestFrmAbout::sysInfoLeavesItOpen()
{
    Launch launch;
    QPointer<frmAbout> dialog = new frmAbout(launch.launcher);
    const auto unload = qScopeGuard([&] { delete dialog; });
    showActive(*dialog);

    // Nothing found: the message, and the dialog stays.
    click(*dialog, *child(*dialog, "cmdSysInfo"));
    QCOMPARE(launch.messages.shown, std::vector<std::string>{"現時点ではｼｽﾃﾑ情報を使用できません"});
    QVERIFY(dialog && dialog->isVisible());

    // Found and started by its access key, and the dialog stays.
    launch.registry.setText("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "/opt/info");
    QTest::keyClick(dialog->windowHandle(), Qt::Key_S, Qt::AltModifier);
    // An access key presses the button after its brief press animation.
    QTRY_COMPARE(launch.programs.started, std::vector<std::string>{"/opt/info"});
    QCOMPARE(launch.messages.shown.size(), 1u);
    QVERIFY(dialog && dialog->isVisible());
}

void TestFrmAbout::versionLabelOpensOneDialogAndOkUnloadsIt()
{
    Application app;
    app.start();
    Form1& main = app.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(!app.aboutDialog.isLoaded());
    QWidget& lblver = *child(main, "lblver");

    click(main, lblver);
    QVERIFY(app.aboutDialog.isLoaded());
    QPointer<frmAbout> first = &app.aboutDialog();
    QTRY_VERIFY(first->isVisible());
    QCOMPARE(first->parentWidget(), nullptr);
    QCOMPARE(first->windowTitle(), caption);

    // A second click brings the same dialog forward without loading it again.
    auto* lblVersion = child<QLabel>(*first, "lblVersion");
    lblVersion->setText("marked");
    showActive(main);
    click(main, lblver);
    QCOMPARE(&app.aboutDialog(), first.data());
    QCOMPARE(lblVersion->text(), "marked");
    QCOMPARE(openDialogs().size(), 1);
    QTRY_COMPARE(QApplication::activeWindow(), first.data());

    // OK unloads it; the next click loads a fresh one.
    click(*first, *child(*first, "cmdOK"));
    QTRY_VERIFY(first.isNull());
    QVERIFY(!app.aboutDialog.isLoaded());
    QVERIFY(main.isVisible());
    click(main, lblver);
    QPointer<frmAbout> second = &app.aboutDialog();
    QTRY_VERIFY(second->isVisible());
    QCOMPARE(child<QLabel>(*second, "lblVersion")->text(), version);
    QCOMPARE(openDialogs().size(), 1);

    // The close box unloads it as well.
    second->windowHandle()->close();
    QTRY_VERIFY(second.isNull());
    QVERIFY(!app.aboutDialog.isLoaded());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
