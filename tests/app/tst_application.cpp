#include "app/application.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void eachWindowHasOneInstance();
    void closedMainWindowLoadsAfreshWithoutDoubledLists();
    void closingTheMainWindowLeavesAnOpenDialogRunning();
    void endStopsTheProgramWithoutClosingWindows();
};

void ApplicationTest::eachWindowHasOneInstance()
{
    Application app;
    QVERIFY(!app.mainWindow.isLoaded());
    app.start();
    QVERIFY(app.mainWindow.isLoaded());
    QCOMPARE(&app.mainWindow(), &app.mainWindow());
    emit app.mainWindow().printRequested();
    emit app.mainWindow().printRequested();
    QCOMPARE(&app.printDialog(), &app.printDialog());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return w->inherits("print1"); }),
             1);
}

void ApplicationTest::closedMainWindowLoadsAfreshWithoutDoubledLists()
{
    Application app;
    app.start();
    QPointer<Form1> first = &app.mainWindow();
    first->Form_MouseDown(Qt::LeftButton, {}, {1500, 1500});
    first->Form_MouseUp(Qt::LeftButton, {}, {1500, 1500});
    QVERIFY(first->close());
    QTRY_VERIFY(first.isNull());
    QVERIFY(!app.mainWindow.isLoaded());

    Form1& second = app.mainWindow();
    QCOMPARE(second.findChild<QComboBox*>("cboIro")->count(), 16);
    QCOMPARE(second.findChild<QComboBox*>("cbosenn")->count(), 30);
    QCOMPARE(second.canvas().image().pixelColor(100, 100),
             second.canvas().image().pixelColor(300, 300));
    QVERIFY(!second.penDown());
    // The fresh window has a clock of its own.
    QTRY_VERIFY(!second.findChild<QLabel*>("lbltime")->text().isEmpty());
}

void ApplicationTest::closingTheMainWindowLeavesAnOpenDialogRunning()
{
    Application app;
    app.start();
    emit app.mainWindow().printRequested();
    bool runningWithTheDialogAlone = false;
    QTimer::singleShot(0, &app, [&] {
        app.mainWindow().close();
        QTimer::singleShot(0, &app, [&] {
            runningWithTheDialogAlone = !app.mainWindow.isLoaded() && app.printDialog.isLoaded();
            app.printDialog().close(); // the last window: the program ends
        });
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(runningWithTheDialogAlone);
}

void ApplicationTest::endStopsTheProgramWithoutClosingWindows()
{
    Application app;
    app.start();
    emit app.mainWindow().printRequested();
    emit app.mainWindow().aboutRequested();
    QTimer::singleShot(0, &app.mainWindow(), &Form1::cmdend_Click);
    QCOMPARE(QApplication::exec(), 0);
    // Ended at once: no window was asked to close on the way.
    QVERIFY(app.mainWindow().isVisible());
    QVERIFY(app.printDialog().isVisible());
    QVERIFY(app.aboutDialog().isVisible());
}

QTEST_MAIN(ApplicationTest)
#include "tst_application.moc"
