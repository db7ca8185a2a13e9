#include "app/application.h"
#include "platform/qtprinterservice.h"
#include "print_dialog/computericon.h"
#include "print_dialog/print1layout.h"
#include "print_dialog/printjob.h"
#include "support/modalinterceptor.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

class FakePrinter : public PrinterService {
public:
    Outcome PrintForm(const QImage& image) override
    {
        pages.append(image);
        return Outcome::Printed;
    }
    QList<QImage> pages;
};

const QColor lightRed(255, 0, 0); // colour 12

QPoint centreOf(const QWidget& parent, const char* name)
{
    return parent.findChild<QWidget*>(name)->geometry().center();
}

int visiblePrintDialogs()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += qobject_cast<print1*>(window) && window->isVisible();
    return count;
}

} // namespace

class Print1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogIsLaidOutAsItsTable();
    void iconShowsAComputerInSixteenColours();
    void keyboardPressesOnlyTheFocusedButton();

    void printButtonShowsTheOneDialog();
    void okPrintsTheMainWindowThenBringsItToTheFront();
    void cancelOnlyBringsTheMainWindowToTheFront();
    void closedMainWindowIsLoadedAfreshByOkAndCancel();
    void noPrinterOnTheSystemIsReported();

private:
    QWindow* dialogWindow() { return app->printDialog().windowHandle(); }
    void clickPrintButton();
    void clickInDialog(const char* name);
    void drawStroke();

    std::unique_ptr<Application> app;
    FakePrinter* printer = nullptr;
};

void Print1Test::initTestCase()
{
    // No print server here: the real printer service must find no printer at all.
    qputenv("CUPS_SERVER", QByteArray(QDir::tempPath().toUtf8() + "/nubika-no-cups.sock"));
}

void Print1Test::init()
{
    app = std::make_unique<Application>();
    auto fake = std::make_unique<FakePrinter>();
    printer = fake.get();
    app->printer = std::move(fake);
    app->start();
    QVERIFY(QTest::qWaitForWindowActive(&app->mainWindow()));
}

void Print1Test::cleanup()
{
    app.reset();
}

void Print1Test::clickPrintButton()
{
    QTest::mouseClick(app->mainWindow().windowHandle(), Qt::LeftButton, {},
                      centreOf(app->mainWindow(), "cmdprint"));
    QVERIFY(QTest::qWaitForWindowExposed(&app->printDialog()));
}

void Print1Test::clickInDialog(const char* name)
{
    QTest::mouseClick(dialogWindow(), Qt::LeftButton, {}, centreOf(app->printDialog(), name));
}

void Print1Test::drawStroke()
{
    Form1& form = app->mainWindow();
    form.findChild<QComboBox*>("cboIro")->setEditText("12");
    form.findChild<QComboBox*>("cbosenn")->setEditText("9");
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(form.windowHandle(), QPoint(400, 250));
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, QPoint(400, 250));
}

void Print1Test::dialogIsLaidOutAsItsTable()
{
    print1 dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("印刷確認"));
    QCOMPARE(dialog.size(), QSize(213, 106));
    QVERIFY(dialog.isWindow());
    QVERIFY(!dialog.parentWidget());
    QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(dialog.minimumSize() != dialog.maximumSize());
    const QRect screen = dialog.screen()->availableGeometry();
    QVERIFY((dialog.geometry().center() - screen.center()).manhattanLength() <= 2);

    for (const ControlSpec& row : print1Layout) {
        auto* control = dialog.findChild<QWidget*>(row.name);
        QVERIFY2(control, row.name);
        QCOMPARE(control->geometry(),
                 LayoutBuilder::toPixels(row.left, row.top, row.width, row.height));
    }
    QCOMPARE(dialog.findChild<QPushButton*>("cmdok")->text(), QStringLiteral("OK(&P)"));
    QCOMPARE(dialog.findChild<QPushButton*>("cmdcancel")->text(), QStringLiteral("キャンセル(&C)"));
    auto* label = dialog.findChild<QLabel*>("lblprint");
    QCOMPARE(label->text(), QStringLiteral("印刷しますか？"));
    QVERIFY(label->alignment() & Qt::AlignHCenter);

    const QFont font = label->font();
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // Whatever face stands in, it must be one that has the label's Japanese glyphs.
    const QString face = QFontInfo(font).family();
    QVERIFY2(QFontDatabase::families(QFontDatabase::Japanese).contains(face), qPrintable(face));
    QVERIFY(QFontMetrics(font).inFontUcs4(U'印'));
    QVERIFY(QFontMetrics(font).horizontalAdvance(label->text()) <= label->width());
}

void Print1Test::iconShowsAComputerInSixteenColours()
{
    for (int size : {32, 16}) {
        const QImage image = ComputerIcon::image(size);
        QCOMPARE(image.size(), QSize(size, size));
        QSet<QRgb> opaque;
        int covered = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (qAlpha(image.pixel(x, y)) == 255) {
                    opaque.insert(image.pixel(x, y));
                    ++covered;
                }
        QVERIFY2(opaque.size() <= 16, qPrintable(QString::number(opaque.size())));
        // Case, screen, keys and mouse: several colours over a good part of the square.
        QVERIFY(opaque.size() >= 5);
        QVERIFY(covered > size * size / 3);
        QVERIFY(covered < size * size);
    }
    const QList<QSize> sizes = ComputerIcon::make().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
}

void Print1Test::keyboardPressesOnlyTheFocusedButton()
{
    print1 dialog;
    QSignalSpy print(&dialog, &print1::printRequested);
    QSignalSpy front(&dialog, &print1::mainWindowRequested);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.findChild<QWidget*>("cmdok"));

    QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
    QCOMPARE(print.count(), 0);
    QCOMPARE(front.count(), 0);
    QVERIFY(dialog.isVisible());

    QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    QCOMPARE(print.count(), 1);
    QCOMPARE(front.count(), 1);

    // Enter on Cancel presses Cancel, not the first button.
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.findChild<QWidget*>("cmdcancel"));
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    QCOMPARE(print.count(), 1);
    QCOMPARE(front.count(), 2);

    // Access keys click with a short animation.
    QTest::keyClick(dialog.windowHandle(), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(front.count(), 3);
    QCOMPARE(print.count(), 2);
    QTest::keyClick(dialog.windowHandle(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(front.count(), 4);
    QCOMPARE(print.count(), 2);
    QVERIFY(dialog.isVisible());
}

void Print1Test::printButtonShowsTheOneDialog()
{
    clickPrintButton();
    print1* first = &app->printDialog();
    QVERIFY(QTest::qWaitForWindowActive(first));
    QCOMPARE(QApplication::focusWidget(), first->findChild<QWidget*>("cmdok"));

    // The main window stays usable while the dialog is open.
    app->mainWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app->mainWindow()));
    QVERIFY(!QApplication::activeModalWidget());

    clickPrintButton();
    QCOMPARE(&app->printDialog(), first);
    QCOMPARE(visiblePrintDialogs(), 1);
    QVERIFY(QTest::qWaitForWindowActive(first));
    QVERIFY(printer->pages.isEmpty());
}

void Print1Test::okPrintsTheMainWindowThenBringsItToTheFront()
{
    drawStroke();
    clickPrintButton();
    QVERIFY(QTest::qWaitForWindowActive(&app->printDialog()));

    clickInDialog("cmdok");
    QCOMPARE(printer->pages.size(), 1);
    const QImage page = printer->pages.first();
    Form1& form = app->mainWindow();
    const qreal ratio = form.devicePixelRatioF();
    QCOMPARE(page.size(), form.size() * ratio);
    // The stroke and the controls are both on the page.
    QCOMPARE(page.pixelColor(QPoint(250, 225) * ratio), lightRed);
    const QColor paper = page.pixelColor(QPoint(5, 300) * ratio);
    QCOMPARE(paper, form.canvas().image().pixelColor(5, 300));
    const QRect button = form.findChild<QWidget*>("cmdprint")->geometry();
    int inked = 0;
    for (int y = button.top(); y <= button.bottom(); ++y)
        for (int x = button.left(); x <= button.right(); ++x)
            inked += page.pixelColor(QPoint(x, y) * ratio) != paper;
    QVERIFY2(inked > button.width() * button.height() / 4, qPrintable(QString::number(inked)));

    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(app->printDialog().isVisible());
    QCOMPARE(visiblePrintDialogs(), 1);
}

void Print1Test::cancelOnlyBringsTheMainWindowToTheFront()
{
    clickPrintButton();
    QVERIFY(QTest::qWaitForWindowActive(&app->printDialog()));
    clickInDialog("cmdcancel");
    QVERIFY(QTest::qWaitForWindowActive(&app->mainWindow()));
    QVERIFY(app->printDialog().isVisible());
    QVERIFY(printer->pages.isEmpty());
}

void Print1Test::closedMainWindowIsLoadedAfreshByOkAndCancel()
{
    for (const char* button : {"cmdcancel", "cmdok"}) {
        drawStroke();
        clickPrintButton();
        QPointer<Form1> old = &app->mainWindow();
        old->close();
        QTRY_VERIFY(!app->mainWindow.isLoaded());
        QVERIFY(app->printDialog().isVisible());

        clickInDialog(button);
        QVERIFY(app->mainWindow.isLoaded());
        Form1& fresh = app->mainWindow();
        QVERIFY(fresh.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&fresh));
        QCOMPARE(fresh.findChild<QComboBox*>("cboIro")->count(), 16);
        QCOMPARE(fresh.findChild<QComboBox*>("cbosenn")->count(), 30);
        QCOMPARE(fresh.canvas().image().pixelColor(250, 225),
                 fresh.canvas().image().pixelColor(5, 300));
    }
    // Only OK printed, and what it printed is the fresh window: no stroke on it.
    QCOMPARE(printer->pages.size(), 1);
    const QImage page = printer->pages.first();
    const qreal ratio = page.devicePixelRatio();
    QCOMPARE(page.size(), app->mainWindow().size() * ratio);
    QVERIFY(page.pixelColor(QPoint(250, 225) * ratio) != lightRed);
    QCOMPARE(page.pixelColor(QPoint(250, 225) * ratio), page.pixelColor(QPoint(5, 300) * ratio));
}

void Print1Test::noPrinterOnTheSystemIsReported()
{
    app->printer = std::make_unique<QtPrinterService>(QStringLiteral("ヌビカ"));
    clickPrintButton();
    ModalInterceptor boxes;
    clickInDialog("cmdok");
    QVERIFY(boxes.waitForBox());
    QCOMPARE(boxes.boxes().size(), 1);
    const ModalInterceptor::Box box = boxes.boxes().first();
    QCOMPARE(box.title, QStringLiteral("ヌビカ"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.text,
             QString::fromStdString(PrintJob::failureMessage(PrinterService::Outcome::NoPrinter)));
    // Then the main window comes to the front as after a print.
    QVERIFY(QTest::qWaitForWindowActive(&app->mainWindow()));
    QVERIFY(app->printDialog().isVisible());
}

QTEST_MAIN(Print1Test)
#include "tst_print1.moc"
