#include "app/application.h"
#include "main_window/qbcolor.h"
#include "support/fakes.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void windowsAndTheirWiring()
    {
        const auto click = [](QWidget& window, QWidget* w) {
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, w->geometry().center());
        };
        Application app;
        auto& printer = static_cast<FakePrinter&>(*(app.printer = std::make_unique<FakePrinter>()));
        app.start();
        QVERIFY(QTest::qWaitForWindowActive(&app.mainWindow()));
        const qsizetype windows = QApplication::topLevelWidgets().size();
        QTest::keyClick(app.mainWindow().windowHandle(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(app.printDialog.isLoaded());
        click(app.mainWindow(), app.mainWindow().controls().cmdprint);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows + 1); // the one print dialog
        print1& dialog = app.printDialog();
        QStringList seen;
        connect(&dialog, &print1::printMainWindowRequested, this, [&] { seen << "print"; });
        connect(&dialog, &print1::mainWindowRequested, this, [&] { seen << "main"; });
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape); // nothing
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return); // OK has the focus at open

        // Closed with the print dialog open, the main window comes back afresh at Cancel and OK.
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        for (QPushButton* button : {dialog.controls().cmdcancel, dialog.controls().cmdok}) {
            QPointer<Form1> closed = &app.mainWindow();
            QTimer::singleShot(0, closed, [&] { closed->close(); });
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(7); });
            QCOMPARE(QApplication::exec(), 7);
            QTRY_VERIFY(closed.isNull());
            click(dialog, button);
            const Form1& fresh = app.mainWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &fresh); // in front again
            QCOMPARE(fresh.controls().cboIro->count() + fresh.controls().cbosenn->count(), 46);
            QCOMPARE(fresh.canvas().image().pixel(100, 100), fresh.canvas().image().pixel(1, 1));
            QTest::mouseClick(fresh.windowHandle(), Qt::LeftButton, {}, {100, 100}); // a dot
        }
        click(dialog, dialog.controls().cmdok);
        QCOMPARE(lastClosed.count(), 0); // the program ran on with the dialog
        QCOMPARE(seen, QStringList({"print", "main", "main", "print", "main", "print", "main"}));
        QCOMPARE(printer.pages.size(), 3u); // a page per OK, of the main window as it stands
        QCOMPARE(printer.pages[2].pixelColor(100, 100), QBColor(1));

        // The version label opens the one About dialog; End stops the program, closing nothing.
        Form1& main = app.mainWindow();
        click(main, main.controls().lblver);
        click(main, main.controls().lblver);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows + 2);
        main.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &main);
        QTest::keyClick(main.windowHandle(), Qt::Key_E, Qt::AltModifier);   // clicks in the loop
        QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); }); // gives up
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(main.isVisible() && dialog.isVisible() && app.aboutDialog().isVisible());
    }
};

QTEST_MAIN(ApplicationTest)
#include "tst_application.moc"
