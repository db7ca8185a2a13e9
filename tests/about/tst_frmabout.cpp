#include "about/frmabout.h"
#include "app/application.h"
#include "fakeregistry.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWindow>

namespace {

const QString version = QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ 3.0.1");
const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

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

// An active dialog over fake services, deleted at the end unless it has unloaded itself.
struct ShownDialog {
    FakeLaunch launch;
    QPointer<frmAbout> dialog = new frmAbout(launch.launcher);
    ShownDialog() { showActive(*dialog); }
    ~ShownDialog() { delete dialog; }
};

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    void showsItsTextsAtItsPlaceWithAFixedFrame();
    void keysMoveCloseOrStart_data();
    void keysMoveCloseOrStart();
    void versionLabelOpensOneDialogAndOkUnloadsIt();
};

void TestFrmAbout::showsItsTextsAtItsPlaceWithAFixedFrame()
{
    ShownDialog shown;
    frmAbout& dialog = *shown.dialog;
    const auto text = [&](const char* name) {
        return dialog.findChild<QWidget*>(name)->property("text").toString();
    };
    QCOMPARE(dialog.windowTitle(), "ヌビカのﾊﾞｰｼﾞｮﾝ情報");
    QCOMPARE(text("lblVersion"), version);
    QCOMPARE(text("lblTitle"), "ヌビカ");
    QVERIFY(text("lblDescription").startsWith("開発者"));
    QCOMPARE(text("lblDisclaimer"), "警告:");
    QCOMPARE(text("cmdOK"), "OK");
    QCOMPARE(text("cmdSysInfo"), "ｼｽﾃﾑ情報(&S)...");
    const auto* picIcon = dialog.findChild<QLabel*>("picIcon");
    QCOMPARE(picIcon->pixmap().size(), QSize(32, 32));
    QCOMPARE(picIcon->geometry(), QRect(16, 16, 36, 36));
    QVERIFY(dialog.windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(dialog.windowIcon().availableSizes().contains(QSize(32, 32)));

    QCOMPARE(dialog.geometry(), QRect(331, 289, 382, 237));
    QCOMPARE(dialog.minimumSize(), QSize(382, 237));
    QCOMPARE(dialog.maximumSize(), QSize(382, 237));
    const Qt::WindowFlags flags = dialog.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!dialog.isModal());

    // The etched separator: grey above white, across the dialog.
    const QImage image = dialog.grab().toImage();
    QCOMPARE(image.pixelColor(200, 163), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(200, 164), QColor(Qt::white));
    QCOMPARE(image.pixelColor(200, 165), QColor(Qt::white));
    QVERIFY(image.pixelColor(200, 166) != QColor(Qt::white));
}

void TestFrmAbout::keysMoveCloseOrStart_data()
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
    // System Info starts the tool and leaves the dialog open.
    QTest::newRow("Enter on System Info") << 2 << int(Qt::Key_Return) << false;
    QTest::newRow("Enter back on the icon") << 4 << int(Qt::Key_Return) << true;
}

void TestFrmAbout::keysMoveCloseOrStart()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(bool, closes);
    ShownDialog shown;
    shown.launch.registry.setText(toolKey, "PATH", "/usr/bin/tool");
    // Focus starts on OK and Tab goes round OK, the icon, System Info.
    const char* order[] = {"cmdOK", "picIcon", "cmdSysInfo", "cmdOK", "picIcon"};
    QCOMPARE(QApplication::focusWidget(), shown.dialog->findChild<QWidget*>(order[0]));
    for (int tab = 1; tab <= tabs; ++tab) {
        QTest::keyClick(shown.dialog->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), shown.dialog->findChild<QWidget*>(order[tab]));
    }

    QTest::keyClick(shown.dialog->windowHandle(), Qt::Key(key));

    if (closes) {
        QTRY_VERIFY(shown.dialog.isNull());
        QVERIFY(shown.launch.programs.started.empty());
    } else {
        QCOMPARE(shown.launch.programs.started, std::vector<std::string>{"/usr/bin/tool"});
        QVERIFY(shown.dialog->isVisible());
    }
}

void TestFrmAbout::versionLabelOpensOneDialogAndOkUnloadsIt()
{
    Application app;
    app.start();
    Form1& main = app.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(!app.aboutDialog.isLoaded());
    QWidget& lblver = *main.findChild<QWidget*>("lblver");

    click(main, lblver);
    QVERIFY(app.aboutDialog.isLoaded());
    QPointer<frmAbout> first = &app.aboutDialog();
    QTRY_VERIFY(first->isVisible());
    QCOMPARE(first->parentWidget(), nullptr);

    // A second click brings the same dialog forward without loading it again.
    auto* lblVersion = first->findChild<QLabel*>("lblVersion");
    lblVersion->setText("marked");
    showActive(main);
    click(main, lblver);
    QCOMPARE(&app.aboutDialog(), first.data());
    QCOMPARE(lblVersion->text(), "marked");
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return qobject_cast<frmAbout*>(w) && w->isVisible(); }),
             1);
    QTRY_COMPARE(QApplication::activeWindow(), first.data());

    // OK unloads it; the next click loads a fresh one.
    click(*first, *first->findChild<QWidget*>("cmdOK"));
    QTRY_VERIFY(first.isNull());
    QVERIFY(!app.aboutDialog.isLoaded());
    click(main, lblver);
    QPointer<frmAbout> second = &app.aboutDialog();
    QTRY_VERIFY(second->isVisible());
    QCOMPARE(second->findChild<QLabel*>("lblVersion")->text(), version);

    // The close box unloads it as well.
    second->windowHandle()->close();
    QTRY_VERIFY(second.isNull());
    QVERIFY(!app.aboutDialog.isLoaded());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
