#include "app/application.h"
#include "main_window/qbcolor.h"
#include "support/fakes.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void windowsTheirIconsAndWiring()
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
            QCOMPARE(fresh.canvas().image().pixel(100, 100), fresh.canvas().image().pixel(1, 1));
            QTest::mouseClick(fresh.windowHandle(), Qt::LeftButton, {}, {100, 100}); // a dot
        }
        click(dialog, dialog.controls().cmdok);
        QCOMPARE(printer.pages.size(), 2); // a page per OK, of the main window as it stands
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

        // Each window's icon at both sizes, and the About box's picture, as their files show them.
        const auto same = [](const QPixmap& shown, const QString& file) {
            const auto format = QImage::Format_ARGB32_Premultiplied;
            return shown.toImage().convertToFormat(format) ==
                   QImage(NUBIKA_PICTURES "/" + file + ".png").convertToFormat(format);
        };
        for (auto [window, icon] : {std::pair<QWidget*, QString>{&main, "brush-"},
                                    {&dialog, "computer-"},
                                    {&app.aboutDialog(), "warning-"}})
            for (int size : {16, 32})
                QVERIFY(same(window->windowIcon().pixmap(size), icon + QString::number(size)));
        const frmAboutControls& about = app.aboutDialog().controls();
        QVERIFY(same(about.picIcon->pixmap(), "box"));
        QCOMPARE(about.picIcon->geometry(), QRect(16, 16, 36, 36)); // sized to it and its border
        QCOMPARE(dialog.size(), QSize(3195, 1590) / 15);            // its client area, in twips
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
};

QTEST_MAIN(ApplicationTest)
#include "tst_application.moc"
