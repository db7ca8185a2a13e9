#include "app/application.h"
#include "main_window/qbcolor.h"
#include "support/fakes.h"

#include <QApplication>
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

        // Closed with the print dialog open, the main window comes back afresh at Cancel and OK.
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
        QCOMPARE(printer.pages.size(), 2u); // a page per OK, of the main window as it stands
        QCOMPARE(printer.pages[1].pixelColor(100, 100), QBColor(1));

        // The version label opens the one About dialog when a press on it is released on it;
        // End stops the program, closing nothing.
        Form1& main = app.mainWindow();
        const QPoint label = main.controls().lblver->geometry().center();
        QTest::mousePress(main.windowHandle(), Qt::LeftButton, {}, label);
        QTest::mouseRelease(main.windowHandle(), Qt::LeftButton, {}, label + QPoint(0, 20));
        QVERIFY(!app.aboutDialog.isLoaded());
        click(main, main.controls().lblver);
        click(main, main.controls().lblver);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows + 2);
        main.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &main);
        QTest::keyClick(main.windowHandle(), Qt::Key_E, Qt::AltModifier);   // clicks in the loop
        QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); }); // gives up
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(main.isVisible() && dialog.isVisible() && app.aboutDialog().isVisible());

        // Closed with the About dialog open, the main and print windows leave the program
        // running with it; as it closes too, the program ends.
        connect(
            &dialog, &QObject::destroyed, &app, [] { QCoreApplication::exit(7); },
            Qt::QueuedConnection); // after the program's own look at what is left
        QTimer::singleShot(0, &main, &QWidget::close);
        QTimer::singleShot(0, &dialog, &QWidget::close);
        QCOMPARE(QApplication::exec(), 7);
        QTimer::singleShot(0, &app.aboutDialog(), &QWidget::close);
        QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); }); // gives up
        QCOMPARE(QApplication::exec(), 0);
    }

    void windowsHaveTheirPlaces()
    {
        Application app;
        const Form1Controls& m = app.mainWindow().controls();
        const print1Controls& p = app.printDialog().controls();
        const frmAboutControls& a = app.aboutDialog().controls();
        const std::vector<std::tuple<const char*, QWidget*, QRect>> twips = {
            {"Form1", &app.mainWindow(), {0, 0, 9735, 7635}},
            {"cmdclr", m.cmdclr, {7200, 7080, 975, 375}},
            {"cmdend", m.cmdend, {8400, 7080, 975, 375}},
            {"lblsenn", m.lblsenn, {240, 6600, 735, 255}},
            {"Label1", m.Label1, {240, 7080, 735, 255}},
            {"lblsen", m.lblsen, {1920, 7200, 1335, 255}},
            {"lblver", m.lblver, {8640, 240, 975, 255}},
            {"lblhelp", m.lblhelp, {7800, 240, 615, 255}},
            {"lbldate", m.lbldate, {240, 120, 2175, 255}},
            {"lbltime", m.lbltime, {2640, 120, 975, 255}},
            {"cboIro", m.cboIro, {1200, 7080, 615, 300}},
            {"cmdprint", m.cmdprint, {6120, 7080, 855, 375}},
            {"cbosenn", m.cbosenn, {1200, 6600, 615, 300}},
            {"print1", &app.printDialog(), {0, 0, 3195, 1590}},
            {"cmdok", p.cmdok, {240, 840, 1215, 495}},
            {"cmdcancel", p.cmdcancel, {1680, 840, 1215, 495}},
            {"lblprint", p.lblprint, {840, 240, 1695, 255}},
            {"frmAbout", &app.aboutDialog(), {4965, 4335, 5730, 3555}},
            {"cmdOK", a.cmdOK, {4245, 2625, 1380, 345}},
            {"picIcon", a.picIcon, {240, 240, 540, 540}},
            {"cmdSysInfo", a.cmdSysInfo, {4260, 3075, 1380, 345}},
            {"lblDescription", a.lblDescription, {1050, 1125, 3885, 1170}},
            {"lblDisclaimer", a.lblDisclaimer, {255, 2625, 3870, 825}},
            {"lblTitle", a.lblTitle, {1050, 240, 3885, 480}},
            {"lblVersion", a.lblVersion, {1050, 780, 3885, 225}},
        };
        for (const auto& [name, widget, at] : twips) {
            // Centred windows have only a size.
            const bool centred = widget->isWindow() && at.topLeft().isNull();
            const QRect pixels = centred ? QRect({}, widget->size()) : widget->geometry();
            QCOMPARE(std::pair(name, pixels),
                     std::pair(name, QRect(at.topLeft() / 15, at.size() / 15)));
        }
    }
};

QTEST_MAIN(ApplicationTest)
#include "tst_application.moc"
