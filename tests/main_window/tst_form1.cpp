#include "main_window/brushicon.h"
#include "main_window/form1.h"
#include "main_window/form1layout.h"
#include "main_window/qbcolor.h"
#include "platform/clockservice.h"
#include "platform/qtmessageboxservice.h"
#include "support/modalinterceptor.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>

namespace {

class FixedClock : public ClockService {
public:
    QDate Date() const override { return QDate(2004, 12, 2); }
    QTime Time() const override { return QTime(15, 4, 5); }
};

const QColor red(128, 0, 0);  // colour 4
const QColor blue(0, 0, 128); // colour 1

QPointF twips(int x, int y)
{
    return QPointF(x, y) * 15;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsWithFilledListsAndFocusOnClear();
    void controlsSitAtTheirRectangles();
    void keyboardReachesTheButtons();
    void japaneseTextsHaveGlyphsAndClockTextsFit();
    void iconKeepsToTheSixteenColours();

    void strokesAreDotsAndConnectedLines();
    void nothingIsDrawnWithoutAPressOnTheCanvas();
    void widthZeroIsRefusedAndThePenStaysDown();
    void widthChangesAtTheNextPressColourAtTheNextMove();
    void colourSixteenIsRefusedOnAMoveWithThePenUp();
    void badEntriesAreRefusedAndDrawnWithOne_data();
    void badEntriesAreRefusedAndDrawnWithOne();
    void clearWithThePenDownDrawsFromTheOrigin();
    void drawingSurvivesShrinkingAndGrowing();

    void clockShowsNothingUntilTheFirstTick();
    void helpShowsTheUsageMessageModally();

private:
    QWindow* window() { return form->windowHandle(); }
    QComboBox* box(const char* name) { return form->findChild<QComboBox*>(name); }
    QPoint centreOf(const char* name)
    {
        return form->findChild<QWidget*>(name)->geometry().center();
    }
    QColor pixel(int x, int y) { return form->canvas().image().pixelColor(x, y); }
    void press(QPoint p) { QTest::mousePress(window(), Qt::LeftButton, {}, p); }
    void move(QPoint p) { QTest::mouseMove(window(), p); }
    void release(QPoint p) { QTest::mouseRelease(window(), Qt::LeftButton, {}, p); }
    void dot(QPoint p) { press(p), release(p); }

    QtMessageBoxService messages{QStringLiteral("ヌビカ")};
    FixedClock clock;
    QPointer<Form1> form;
    QColor paper;
};

void Form1Test::init()
{
    form = new Form1(messages, clock);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    paper = pixel(300, 300);
}

void Form1Test::cleanup()
{
    delete form.data();
}

void Form1Test::startsWithFilledListsAndFocusOnClear()
{
    auto items = [](QComboBox* combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list.join(',');
    };
    QCOMPARE(items(box("cboIro")), "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15");
    QCOMPARE(items(box("cbosenn")), "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,"
                                    "24,25,26,27,28,29,30");
    QCOMPARE(box("cboIro")->currentText(), "1");
    QCOMPARE(box("cbosenn")->currentText(), "1");
    QCOMPARE(form->windowTitle(), "ヌビカ");
    QCOMPARE(form->size(), QSize(649, 509));

    // Tab cycles the focusable controls in table order; labels are skipped.
    QStringList order = {QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(window(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order.join(' '), "cmdclr cmdend cboIro cmdprint cbosenn cmdclr");
}

// The rectangles in pixels, worked out from the twips of the layout by hand.
void Form1Test::controlsSitAtTheirRectangles()
{
    const QList<std::pair<const char*, QRect>> expected = {
        {"cmdclr", {480, 472, 65, 25}},   {"cmdend", {560, 472, 65, 25}},
        {"lblsenn", {16, 440, 49, 17}},   {"Label1", {16, 472, 49, 17}},
        {"lblsen", {128, 480, 89, 17}},   {"lblver", {576, 16, 65, 17}},
        {"lblhelp", {520, 16, 41, 17}},   {"lbldate", {16, 8, 145, 17}},
        {"lbltime", {176, 8, 65, 17}},    {"cboIro", {80, 472, 41, 20}},
        {"cmdprint", {408, 472, 57, 25}}, {"cbosenn", {80, 440, 41, 20}},
    };
    for (const auto& [name, rect] : expected)
        QCOMPARE(form->findChild<QWidget*>(name)->geometry(), rect);
    QCOMPARE(form->findChild<QLabel*>("lblsenn")->buddy(), box("cbosenn"));
    QCOMPARE(form->findChild<QLabel*>("Label1")->buddy(), box("cboIro"));
}

void Form1Test::keyboardReachesTheButtons()
{
    // Access keys click after a short animation, hence the polling.
    for (auto [key, modifier] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Space, Qt::NoModifier},
          std::pair{Qt::Key_C, Qt::AltModifier}}) {
        dot({100, 100});
        QCOMPARE(pixel(100, 100), blue);
        QTest::keyClick(window(), key, modifier);
        QTRY_COMPARE(pixel(100, 100), paper);
    }
    QSignalSpy print(form, &Form1::printRequested);
    QSignalSpy end(form, &Form1::endRequested);
    QTest::keyClick(window(), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(print.count(), 1);
    QTest::keyClick(window(), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(end.count(), 1);
}

void Form1Test::japaneseTextsHaveGlyphsAndClockTextsFit()
{
    // Without a Japanese font every glyph would be the missing-glyph box (glyph index 0).
    for (const ControlSpec& row : form1Layout) {
        QTextLayout layout(QString::fromUtf8(row.text), form->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            QVERIFY2(!run.glyphIndexes().contains(0), row.text);
    }
    auto* time = form->findChild<QLabel*>("lbltime");
    for (int h = 0; h < 24; ++h) {
        const QString text =
            QStringLiteral("%1:08:08(%2)").arg(h % 12 == 0 ? 12 : h % 12).arg(h < 12 ? "AM" : "PM");
        QVERIFY2(time->fontMetrics().horizontalAdvance(text) <= time->width(), qPrintable(text));
    }
    auto* date = form->findChild<QLabel*>("lbldate");
    QVERIFY(date->fontMetrics().horizontalAdvance("2888年08月28日 (水曜日)") <= date->width());
}

void Form1Test::iconKeepsToTheSixteenColours()
{
    QSet<QRgb> palette = {0};
    for (int i = 0; i < 16; ++i)
        palette.insert(QBColor(i).rgba());
    for (int size : {16, 32}) {
        const QImage icon = BrushIcon::image(size);
        QSet<QRgb> used;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                used.insert(icon.pixel(x, y));
        QVERIFY2(palette.contains(used) && used.size() >= 4, qPrintable(QString::number(size)));
    }
}

void Form1Test::strokesAreDotsAndConnectedLines()
{
    box("cboIro")->setEditText("4");
    box("cbosenn")->setEditText("3");
    press({100, 100});
    move({200, 100});
    move({200, 200});
    release({200, 200});
    QVERIFY(!form->penDown());
    for (int i = 0; i <= 100; i += 5) {
        QCOMPARE(pixel(100 + i, 100), red);
        QCOMPARE(pixel(200, 100 + i), red);
    }
    QCOMPARE(pixel(201, 101), red); // three pixels wide
    QCOMPARE(pixel(150, 150), paper);

    // A new press starts a new stroke: nothing joins it to the last one.
    press({300, 100});
    move({300, 150});
    release({300, 150});
    QCOMPARE(pixel(300, 120), red);
    QCOMPARE(pixel(250, 150), paper);
}

void Form1Test::nothingIsDrawnWithoutAPressOnTheCanvas()
{
    const QImage before = form->canvas().image();
    move({100, 100});
    move({300, 300});
    for (const char* name : {"lblsenn", "Label1", "lblsen", "lbldate", "lbltime"}) {
        press(centreOf(name));
        move(centreOf(name) + QPoint(3, 0));
        release(centreOf(name) + QPoint(3, 0));
    }
    QVERIFY(!form->penDown());
    QCOMPARE(form->canvas().image(), before);
}

void Form1Test::widthZeroIsRefusedAndThePenStaysDown()
{
    box("cbosenn")->setEditText("0");
    ModalInterceptor boxes;
    // The user lets go of the button while the box is up.
    boxes.whileShown = [](QMessageBox& shown) {
        QTest::mouseRelease(shown.windowHandle(), Qt::LeftButton, {}, {2, 2});
    };
    press({100, 100});
    QVERIFY(boxes.waitForBox());
    QCOMPARE(boxes.boxes().size(), 1);
    const ModalInterceptor::Box& shown = boxes.boxes().first();
    QCOMPARE(shown.title, "ヌビカ");
    QCOMPARE(shown.text, "Error!!\r\n線の太さNoが0です\r\n初期値として1が入力されました");
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::Ok);
    QCOMPARE(box("cbosenn")->currentText(), "1");
    QCOMPARE(pixel(100, 100), blue);
    QCOMPARE(pixel(101, 100), paper); // width 1

    // The release went to the box; moves now draw without a button held, until a release.
    QVERIFY(form->penDown());
    move({150, 100});
    QCOMPARE(pixel(125, 100), blue);
    dot({300, 300});
    move({350, 300});
    QCOMPARE(pixel(325, 300), paper);
}

void Form1Test::widthChangesAtTheNextPressColourAtTheNextMove()
{
    press({100, 100});
    box("cbosenn")->setEditText("45");
    box("cboIro")->setEditText("4");
    move({200, 100});
    release({200, 100});
    QCOMPARE(pixel(150, 100), red);
    QCOMPARE(pixel(150, 103), paper); // still width 1

    dot({300, 300});
    QCOMPARE(pixel(300, 300 - 21), red);
    QCOMPARE(pixel(300, 300 + 21), red);
    QCOMPARE(pixel(300, 300 + 24), paper);
}

void Form1Test::colourSixteenIsRefusedOnAMoveWithThePenUp()
{
    int y = 100;
    for (const QString colour : {"16", "20"}) {
        box("cboIro")->setEditText(colour);
        const QImage before = form->canvas().image();
        ModalInterceptor boxes;
        move({100, y += 10});
        QVERIFY(boxes.waitForBox());
        QCOMPARE(boxes.boxes().first().text,
                 "Error!!\r\n色の種類Noは15までです\r\n初期値として1が選択されました");
        QCOMPARE(box("cboIro")->currentText(), "1");
        QCOMPARE(form->canvas().image(), before);
    }
    box("cboIro")->setEditText("15");
    press({100, 100});
    move({120, 100});
    QCOMPARE(pixel(110, 100), QColor(255, 255, 255));
}

void Form1Test::badEntriesAreRefusedAndDrawnWithOne_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<int>("messages");
    QTest::newRow("width not a number") << "abc"
                                        << "4" << 1;
    QTest::newRow("width rounds to 0") << "0.3"
                                       << "4" << 1;
    QTest::newRow("colour 16 at a press with no move before") << "1"
                                                              << "16" << 1;
    QTest::newRow("colour rounds to 16") << "1"
                                         << "15.5" << 1;
    QTest::newRow("both empty") << ""
                                << "" << 2;
}

void Form1Test::badEntriesAreRefusedAndDrawnWithOne()
{
    QFETCH(QString, width);
    QFETCH(QString, colour);
    QFETCH(int, messages);
    box("cbosenn")->setEditText(width);
    box("cboIro")->setEditText(colour);
    ModalInterceptor boxes;
    form->Form_MouseDown(Qt::LeftButton, {}, twips(100, 100));
    QCOMPARE(boxes.boxes().size(), messages);
    QCOMPARE(box("cbosenn")->currentText(), "1");
    QCOMPARE(box("cboIro")->currentText(), colour == "4" ? "4" : "1");
    form->Form_MouseMove({}, {}, twips(110, 100));
    const QColor expected = colour == "4" ? red : blue;
    QCOMPARE(pixel(100, 100), expected);
    QCOMPARE(pixel(105, 100), expected);
    QCOMPARE(pixel(105, 102), paper);
}

void Form1Test::clearWithThePenDownDrawsFromTheOrigin()
{
    press({100, 100});
    form->cmdclr_Click();
    QCOMPARE(pixel(100, 100), paper);
    QVERIFY(form->penDown());
    move({60, 60});
    QCOMPARE(pixel(1, 1), blue);
    QCOMPARE(pixel(30, 30), blue);
}

void Form1Test::drawingSurvivesShrinkingAndGrowing()
{
    dot({600, 450});
    form->resize(200, 150);
    QTRY_COMPARE(form->size(), QSize(200, 150));
    form->resize(1200, 900);
    QTRY_COMPARE(form->size(), QSize(1200, 900));
    QCOMPARE(pixel(600, 450), blue);
    dot({1150, 850});
    QCOMPARE(form->grab().toImage().pixelColor(1150, 850), blue);
}

void Form1Test::clockShowsNothingUntilTheFirstTick()
{
    auto* date = form->findChild<QLabel*>("lbldate");
    auto* time = form->findChild<QLabel*>("lbltime");
    QVERIFY(date->text().isEmpty() && time->text().isEmpty());
    QTRY_COMPARE(date->text(), "2004年12月02日 (木曜日)");
    QCOMPARE(time->text(), "3:04:05(PM)");
}

void Form1Test::helpShowsTheUsageMessageModally()
{
    bool blocked = false;
    ModalInterceptor boxes;
    boxes.whileShown = [&](QMessageBox&) {
        // A press on the canvas while the box is up must not reach the window.
        dot({100, 100});
        blocked = pixel(100, 100) == paper;
    };
    QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf("lblhelp"));
    QVERIFY(boxes.waitForBox());
    QVERIFY(blocked);
    QCOMPARE(boxes.boxes().size(), 1);
    const ModalInterceptor::Box& shown = boxes.boxes().first();
    QCOMPARE(shown.title, "ヌビカ");
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::Ok);
    const QStringList lines = shown.text.split("\r\n");
    QCOMPARE(lines.size(), 19);
    QCOMPARE(shown.text.count('\n'), 18); // no bare line feeds, none at the ends
    QCOMPARE(lines.first(), "半角文字数字で線の太さと線の色を入力します");
    QCOMPARE(lines.last(), "プリンタからフォーム全体が印刷されます");
    QCOMPARE(lines[6], lines[12]);
    QCOMPARE(lines[13], lines[16]);
    QCOMPARE(lines[14], "ＯＫをクリックすると印刷されます");
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
