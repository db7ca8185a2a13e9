#include "app/application.h"
#include "print_dialog/computericon.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
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
const QPoint onStroke(250, 225);
const QPoint offStroke(5, 300);

void clickOn(QWidget& window, const char* name)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      window.findChild<QWidget*>(name)->geometry().center());
}

} // namespace

class Print1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dialogIsLaidOutAsItsTable();
    void iconShowsAComputerInSixteenColours();
    void keyboardPressesOnlyTheFocusedButton();

    void printButtonShowsTheOneModelessDialog();
    void buttonsBringTheMainWindowToTheFront_data();
    void buttonsBringTheMainWindowToTheFront();

private:
    void clickPrintButton();

    std::unique_ptr<Application> app;
    FakePrinter* printer = nullptr;
};

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
    clickOn(app->mainWindow(), "cmdprint");
    QVERIFY(QTest::qWaitForWindowActive(&app->printDialog()));
}

void Print1Test::dialogIsLaidOutAsItsTable()
{
    print1 dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("印刷確認"));
    QCOMPARE(dialog.size(), QSize(213, 106));
    QVERIFY(!dialog.parentWidget());
    const Qt::WindowFlags minMax = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QVERIFY((dialog.windowFlags() & minMax) == minMax);
    QVERIFY(dialog.minimumSize() != dialog.maximumSize());
    const QRect screen = dialog.screen()->availableGeometry();
    QVERIFY((dialog.geometry().center() - screen.center()).manhattanLength() <= 2);

    const struct {
        const char* name;
        QRect rect;
        const char* text;
    } controls[] = {{"cmdok", {16, 56, 81, 33}, "OK(&P)"},
                    {"cmdcancel", {112, 56, 81, 33}, "キャンセル(&C)"},
                    {"lblprint", {56, 16, 113, 17}, "印刷しますか？"}};
    for (const auto& row : controls) {
        auto* control = dialog.findChild<QWidget*>(row.name);
        QVERIFY2(control, row.name);
        QCOMPARE(control->geometry(), row.rect);
        QCOMPARE(control->property("text").toString(), QString::fromUtf8(row.text));
    }

    auto* label = dialog.findChild<QLabel*>("lblprint");
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    const QFont font = label->font();
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.weight(), QFont::Normal);
    // Whatever face stands in must have the Japanese glyphs and fit the text in the label.
    const QString face = QFontInfo(font).family();
    QVERIFY2(QFontDatabase::families(QFontDatabase::Japanese).contains(face), qPrintable(face));
    QVERIFY(QFontMetrics(font).horizontalAdvance(label->text()) <= label->width());
}

void Print1Test::iconShowsAComputerInSixteenColours()
{
    const QList<QSize> sizes = ComputerIcon::make().availableSizes();
    for (int size : {32, 16}) {
        QVERIFY(sizes.contains(QSize(size, size)));
        const QImage image = ComputerIcon::image(size);
        QCOMPARE(image.size(), QSize(size, size));
        QList<QRgb> opaque;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (qAlpha(image.pixel(x, y)) == 255)
                    opaque.append(image.pixel(x, y));
        // Case, screen, keys and mouse: several colours over a good part of the square.
        const qsizetype colours = QSet<QRgb>(opaque.begin(), opaque.end()).size();
        QVERIFY2(colours >= 5 && colours <= 16, qPrintable(QString::number(colours)));
        QVERIFY(opaque.size() > size * size / 3 && opaque.size() < size * size);
    }
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

    // Access keys click after a short animation, hence the waits.
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers, int prints, int fronts) {
        QTest::keyClick(dialog.windowHandle(), key, modifiers);
        QTRY_COMPARE(front.count(), fronts);
        QCOMPARE(print.count(), prints);
    };
    press(Qt::Key_Escape, {}, 0, 0);
    press(Qt::Key_Return, {}, 1, 1);
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.findChild<QWidget*>("cmdcancel"));
    press(Qt::Key_Return, {}, 1, 2);
    press(Qt::Key_P, Qt::AltModifier, 2, 3);
    press(Qt::Key_C, Qt::AltModifier, 2, 4);
    QVERIFY(dialog.isVisible());
}

void Print1Test::printButtonShowsTheOneModelessDialog()
{
    clickPrintButton();
    print1* first = &app->printDialog();
    app->mainWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app->mainWindow()));
    QVERIFY(!QApplication::activeModalWidget());

    clickPrintButton();
    QCOMPARE(&app->printDialog(), first);
}

void Print1Test::buttonsBringTheMainWindowToTheFront_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("closeMainWindowFirst");
    QTest::newRow("OK") << QByteArray("cmdok") << false;
    QTest::newRow("Cancel") << QByteArray("cmdcancel") << false;
    QTest::newRow("OK, main window closed") << QByteArray("cmdok") << true;
    QTest::newRow("Cancel, main window closed") << QByteArray("cmdcancel") << true;
}

// OK prints the main window as shown, Cancel prints nothing; both bring the main window to
// the front, loading a fresh one if it had been closed, and leave the dialog open.
void Print1Test::buttonsBringTheMainWindowToTheFront()
{
    QFETCH(QByteArray, button);
    QFETCH(bool, closeMainWindowFirst);
    Form1& drawn = app->mainWindow();
    drawn.findChild<QComboBox*>("cboIro")->setEditText("12");
    drawn.findChild<QComboBox*>("cbosenn")->setEditText("9");
    QTest::mousePress(drawn.windowHandle(), Qt::LeftButton, {}, QPoint(100, 200));
    QTest::mouseMove(drawn.windowHandle(), QPoint(400, 250));
    QTest::mouseRelease(drawn.windowHandle(), Qt::LeftButton, {}, QPoint(400, 250));
    clickPrintButton();
    if (closeMainWindowFirst) {
        drawn.close();
        QTRY_VERIFY(!app->mainWindow.isLoaded());
    }

    clickOn(app->printDialog(), button.constData());
    QVERIFY(app->mainWindow.isLoaded());
    Form1& form = app->mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(app->printDialog().isVisible());
    const QColor paper = form.canvas().image().pixelColor(offStroke);
    const QColor stroke = closeMainWindowFirst ? paper : lightRed;
    QCOMPARE(form.canvas().image().pixelColor(onStroke), stroke);
    QCOMPARE(printer->pages.size(), button == "cmdok" ? 1 : 0);
    if (printer->pages.isEmpty())
        return;

    // The window now in front is on the page: its drawing and its controls.
    const QImage page = printer->pages.first();
    const qreal ratio = form.devicePixelRatioF();
    QCOMPARE(page.size(), form.size() * ratio);
    QCOMPARE(page.pixelColor(onStroke * ratio), stroke);
    QCOMPARE(page.pixelColor(offStroke * ratio), paper);
    const QRect cmdprint = form.findChild<QWidget*>("cmdprint")->geometry();
    int inked = 0;
    for (int y = cmdprint.top(); y <= cmdprint.bottom(); ++y)
        for (int x = cmdprint.left(); x <= cmdprint.right(); ++x)
            inked += page.pixelColor(QPoint(x, y) * ratio) != paper;
    QVERIFY2(inked > cmdprint.width() * cmdprint.height() / 4, qPrintable(QString::number(inked)));
}

QTEST_MAIN(Print1Test)
#include "tst_print1.moc"
