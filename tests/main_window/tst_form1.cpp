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
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <memory>

namespace {

class FixedClock : public ClockService {
public:
    QDate Date() const override { return QDate(2004, 12, 2); }
    QTime Time() const override { return QTime(15, 4, 5); }
};

const QColor red(128, 0, 0);  // colour 4
const QColor blue(0, 0, 128); // colour 1

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsWithFilledListsAndFocusOnClear();
    void controlsSitAtTheirLaidOutRectangles();
    void keyboardReachesTheButtons();
    void japaneseTextsHaveGlyphs();
    void clockLabelsFitTheirTexts();
    void iconKeepsToTheSixteenColours();

    void dragDrawsAConnectedStroke();
    void newPressStartsANewStroke();
    void moveWithThePenUpDrawsNothing();
    void widthZeroIsRefusedAndThePenStaysDown();
    void widthChangesAtTheNextPressColourAtTheNextMove();
    void colourSixteenIsRefusedOnAMoveWithThePenUp();
    void colourSixteenAtAPressDrawsInColourOne();
    void badEntriesAreRefusedNeverDrawn_data();
    void badEntriesAreRefusedNeverDrawn();
    void clearWithThePenDownDrawsFromTheOrigin();
    void pressesOnControlsDoNotDraw();
    void drawingSurvivesShrinkingAndGrowing();

    void clockShowsNothingUntilTheFirstTick();
    void helpShowsTheUsageMessageModally();

private:
    QWindow* window() { return form->windowHandle(); }
    QComboBox* box(const char* name) { return form->findChild<QComboBox*>(name); }
    QColor pixel(int x, int y) { return form->canvas().image().pixelColor(x, y); }
    void press(QPoint p) { QTest::mousePress(window(), Qt::LeftButton, {}, p); }
    void move(QPoint p) { QTest::mouseMove(window(), p); }
    void release(QPoint p) { QTest::mouseRelease(window(), Qt::LeftButton, {}, p); }

    QtMessageBoxService messages{QStringLiteral("ヌビカ")};
    FixedClock clock;
    QPointer<Form1> form;
    QColor paper;
};

void Form1Test::init()
{
    form = new Form1(messages, clock);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    paper = form->canvas().image().pixelColor(300, 300);
}

void Form1Test::cleanup()
{
    delete form.data();
}

void Form1Test::startsWithFilledListsAndFocusOnClear()
{
    QStringList colours, widths;
    for (int i = 0; i <= 15; ++i)
        colours << QString::number(i);
    for (int i = 1; i <= 30; ++i)
        widths << QString::number(i);
    auto items = [](QComboBox* combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    };
    QCOMPARE(items(box("cboIro")), colours);
    QCOMPARE(items(box("cbosenn")), widths);
    QCOMPARE(box("cboIro")->currentText(), "1");
    QCOMPARE(box("cbosenn")->currentText(), "1");
    QCOMPARE(form->windowTitle(), "ヌビカ");
    QCOMPARE(form->size(), QSize(649, 509));
    QVERIFY(!form->windowIcon().isNull());

    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget()->objectName(), "cmdclr");
    // Tab cycles the focusable controls in table order; labels are skipped.
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(window(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"cmdend", "cboIro", "cmdprint", "cbosenn", "cmdclr"}));
}

void Form1Test::controlsSitAtTheirLaidOutRectangles()
{
    for (const ControlSpec& row : form1Layout) {
        auto* control = form->findChild<QWidget*>(row.name);
        QVERIFY2(control, row.name);
        QCOMPARE(control->geometry().x() * 15, row.left);
        QCOMPARE(control->geometry().y() * 15, row.top);
        QCOMPARE(control->geometry().width() * 15, row.width);
        QCOMPARE(control->geometry().height() * 15, row.height);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QCOMPARE(label->text(), QString::fromUtf8(row.text));
        }
        QVERIFY(control->testAttribute(Qt::WA_NoMousePropagation));
    }
    QCOMPARE(form->findChild<QLabel*>("lblsenn")->buddy(), box("cbosenn"));
    QCOMPARE(form->findChild<QLabel*>("Label1")->buddy(), box("cboIro"));
}

void Form1Test::keyboardReachesTheButtons()
{
    QVERIFY(QTest::qWaitForWindowActive(form));
    QSignalSpy print(form, &Form1::printRequested);
    QSignalSpy end(form, &Form1::endRequested);

    press({100, 100});
    release({100, 100});
    QCOMPARE(pixel(100, 100), blue);
    QTest::keyClick(window(), Qt::Key_Return);
    QCOMPARE(pixel(100, 100), paper);

    press({100, 100});
    release({100, 100});
    QTest::keyClick(window(), Qt::Key_Space);
    QCOMPARE(pixel(100, 100), paper);

    press({100, 100});
    release({100, 100});
    // Access keys click after a short animation.
    QTest::keyClick(window(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(pixel(100, 100), paper);

    QTest::keyClick(window(), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(print.count(), 1);
    QTest::keyClick(window(), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(end.count(), 1);
}

// Without a Japanese font every glyph would be the missing-glyph box (glyph index 0).
void Form1Test::japaneseTextsHaveGlyphs()
{
    for (const ControlSpec& row : form1Layout) {
        QTextLayout layout(QString::fromUtf8(row.text), form->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            for (quint32 glyph : run.glyphIndexes())
                QVERIFY2(glyph != 0, row.text);
    }
}

void Form1Test::clockLabelsFitTheirTexts()
{
    auto* date = form->findChild<QLabel*>("lbldate");
    auto* time = form->findChild<QLabel*>("lbltime");
    for (int h = 0; h < 24; ++h)
        for (int m = 0; m < 60; m += 11) {
            const QString text = QStringLiteral("%1:%2:%2(%3)")
                                     .arg(h % 12 == 0 ? 12 : h % 12)
                                     .arg(m, 2, 10, QLatin1Char('0'))
                                     .arg(h < 12 ? "AM" : "PM");
            QVERIFY2(time->fontMetrics().horizontalAdvance(text) <= time->width(),
                     qPrintable(text));
        }
    const QString longDate = "2888年08月28日 (水曜日)";
    QVERIFY(date->fontMetrics().horizontalAdvance(longDate) <= date->width());
}

void Form1Test::iconKeepsToTheSixteenColours()
{
    QSet<QRgb> palette = {0};
    for (int i = 0; i < 16; ++i)
        palette.insert(QBColor(i).rgba());
    for (int size : {16, 32}) {
        const QImage icon = BrushIcon::image(size);
        QCOMPARE(icon.size(), QSize(size, size));
        QSet<QRgb> used;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                used.insert(icon.pixel(x, y));
        QVERIFY2(palette.contains(used), qPrintable(QString::number(size)));
        QVERIFY(used.size() >= 4);
    }
}

void Form1Test::dragDrawsAConnectedStroke()
{
    box("cboIro")->setEditText("4");
    box("cbosenn")->setEditText("3");
    press({100, 100});
    move({200, 100});
    move({200, 200});
    release({200, 200});
    QVERIFY(!form->penDown());
    for (int x = 100; x <= 200; x += 5)
        QCOMPARE(pixel(x, 100), red);
    for (int y = 100; y <= 200; y += 5)
        QCOMPARE(pixel(200, y), red);
    QCOMPARE(pixel(201, 101), red); // three pixels wide
    QCOMPARE(pixel(150, 150), paper);
}

void Form1Test::newPressStartsANewStroke()
{
    press({100, 100});
    release({100, 100});
    press({300, 100});
    move({300, 150});
    release({300, 150});
    QCOMPARE(pixel(100, 100), blue);
    QCOMPARE(pixel(300, 120), blue);
    QCOMPARE(pixel(200, 100), paper);
}

void Form1Test::moveWithThePenUpDrawsNothing()
{
    const QImage before = form->canvas().image();
    move({100, 100});
    move({300, 300});
    QCOMPARE(form->canvas().image(), before);
}

void Form1Test::widthZeroIsRefusedAndThePenStaysDown()
{
    for (const QString zero : {"0", "0.0", " 0 "}) {
        form->cmdclr_Click();
        box("cbosenn")->setEditText(zero);
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
        QVERIFY(form->penDown());

        // The release went to the box; moves now draw without a button held.
        move({150, 100});
        QCOMPARE(pixel(125, 100), blue);
        press({300, 300});
        release({300, 300});
        move({350, 300});
        QCOMPARE(pixel(325, 300), paper);
    }
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

    press({300, 300});
    release({300, 300});
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

void Form1Test::colourSixteenAtAPressDrawsInColourOne()
{
    box("cboIro")->setEditText("16");
    ModalInterceptor boxes;
    form->Form_MouseDown(Qt::LeftButton, {}, QPointF(100 * 15, 100 * 15)); // no move before
    QCOMPARE(box("cboIro")->currentText(), "1");
    QCOMPARE(pixel(100, 100), blue);
}

void Form1Test::badEntriesAreRefusedNeverDrawn_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<int>("messages");
    QTest::newRow("empty width") << ""
                                 << "4" << 1;
    QTest::newRow("letters") << "abc"
                             << "4" << 1;
    QTest::newRow("full-width digits") << "５"
                                       << "4" << 1;
    QTest::newRow("negative width") << "-5"
                                    << "4" << 1;
    QTest::newRow("width rounds to 0") << "0.3"
                                       << "4" << 1;
    QTest::newRow("width beyond 16 bits") << "99999"
                                          << "4" << 1;
    QTest::newRow("colour not a number") << "1"
                                         << "x" << 1;
    QTest::newRow("negative colour") << "1"
                                     << "-1" << 1;
    QTest::newRow("colour rounds to 16") << "1"
                                         << "15.5" << 1;
    QTest::newRow("both") << ""
                          << "" << 2;
}

void Form1Test::badEntriesAreRefusedNeverDrawn()
{
    QFETCH(QString, width);
    QFETCH(QString, colour);
    QFETCH(int, messages);
    box("cbosenn")->setEditText(width);
    box("cboIro")->setEditText(colour);
    ModalInterceptor boxes;
    form->Form_MouseDown(Qt::LeftButton, {}, QPointF(100 * 15, 100 * 15));
    QCOMPARE(boxes.boxes().size(), messages);
    for (const ModalInterceptor::Box& shown : boxes.boxes()) {
        QVERIFY(shown.text.startsWith("Error!!\r\n"));
        QCOMPARE(shown.text.count("\r\n"), 2);
    }
    QCOMPARE(box("cbosenn")->currentText(), "1");
    QCOMPARE(box("cboIro")->currentText(), colour == "4" ? "4" : "1");
    form->Form_MouseMove({}, {}, QPointF(110 * 15, 100 * 15));
    const QColor expected = box("cboIro")->currentText() == "4" ? red : blue;
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

void Form1Test::pressesOnControlsDoNotDraw()
{
    const QImage before = form->canvas().image();
    for (const char* name : {"lblsenn", "Label1", "lblsen", "lbldate", "lbltime"}) {
        const QPoint centre = form->findChild<QWidget*>(name)->geometry().center();
        press(centre);
        move(centre + QPoint(3, 0));
        release(centre + QPoint(3, 0));
    }
    QVERIFY(!form->penDown());
    QCOMPARE(form->canvas().image(), before);
}

void Form1Test::drawingSurvivesShrinkingAndGrowing()
{
    press({600, 450});
    release({600, 450});
    form->resize(200, 150);
    QTRY_COMPARE(form->size(), QSize(200, 150));
    form->resize(1200, 900);
    QTRY_COMPARE(form->size(), QSize(1200, 900));
    QCOMPARE(pixel(600, 450), blue);
    press({1150, 850});
    release({1150, 850});
    QCOMPARE(pixel(1150, 850), blue);
    QCOMPARE(form->grab().toImage().pixelColor(1150, 850), blue);
}

void Form1Test::clockShowsNothingUntilTheFirstTick()
{
    auto* date = form->findChild<QLabel*>("lbldate");
    auto* time = form->findChild<QLabel*>("lbltime");
    QVERIFY(date->text().isEmpty());
    QVERIFY(time->text().isEmpty());
    QTRY_COMPARE(date->text(), "2004年12月02日 (木曜日)");
    QCOMPARE(time->text(), "3:04:05(PM)");
}

void Form1Test::helpShowsTheUsageMessageModally()
{
    bool blocked = false;
    ModalInterceptor boxes;
    boxes.whileShown = [&](QMessageBox&) {
        // A press on the canvas while the box is up must not reach the window.
        press({100, 100});
        release({100, 100});
        blocked = pixel(100, 100) == paper;
    };
    QTest::mouseClick(window(), Qt::LeftButton, {},
                      form->findChild<QWidget*>("lblhelp")->geometry().center());
    QVERIFY(boxes.waitForBox());
    QVERIFY(blocked);
    QCOMPARE(boxes.boxes().size(), 1);
    const ModalInterceptor::Box& shown = boxes.boxes().first();
    QCOMPARE(shown.title, "ヌビカ");
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::Ok);
    const QStringList lines = shown.text.split("\r\n");
    QCOMPARE(lines.size(), 19);
    QCOMPARE(lines.first(), "半角文字数字で線の太さと線の色を入力します");
    QCOMPARE(lines.last(), "プリンタからフォーム全体が印刷されます");
    QCOMPARE(lines[6], lines[12]);
    QCOMPARE(lines[13], lines[16]);
    QCOMPARE(lines[14], "ＯＫをクリックすると印刷されます");
    QCOMPARE(shown.text.count('\r'), 18);
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
