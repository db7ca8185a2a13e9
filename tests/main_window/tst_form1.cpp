#include "main_window/clockformat.h"
#include "main_window/form1.h"
#include "main_window/qbcolor.h"
#include "soak.h"
#include "support/fakes.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTest>

namespace {

constexpr auto W0 = "Error!!\r\n線の太さNoが0です\r\n初期値として1が入力されました";
constexpr auto WS = "Error!!\r\n線の太さNoが1より小さいです\r\n初期値として1が入力されました";
constexpr auto WN = "Error!!\r\n線の太さNoが数字ではありません\r\n初期値として1が入力されました";
constexpr auto CH = "Error!!\r\n色の種類Noは15までです\r\n初期値として1が選択されました";
constexpr auto CL = "Error!!\r\n色の種類Noは0からです\r\n初期値として1が選択されました";
constexpr auto CN = "Error!!\r\n色の種類Noが数字ではありません\r\n初期値として1が選択されました";
// Text; width and its message; colour to draw with and its message; message with the pen up.
using Reading = std::tuple<QString, int, const char*, int, const char*, const char*>;
// Boxes typed, colour typed after the press, messages pen up and in all, boxes, dot, line.
using Entry = std::tuple<QString, QString, QString, QStringList, QStringList, QString, int, int>;

struct PaintLog : QObject {
    QList<QRegion> regions; // of the paints that reach the middle of the window
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (auto* paint = dynamic_cast<QPaintEvent*>(e);
            paint && paint->rect().intersects({90, 190, 220, 20}))
            regions << paint->region();
        return false;
    }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
    QWindow* window() { return form->windowHandle(); }
    const Form1Controls& ui() { return form->controls(); }
    QColor pixel(QPoint p) { return form->canvas().image().pixelColor(p); }
    void press(QPoint p) { QTest::mousePress(window(), Qt::LeftButton, {}, p); }
    void move(QPoint p) { QTest::mouseMove(window(), p); }
    void release(QPoint p) { QTest::mouseRelease(window(), Qt::LeftButton, {}, p); }

    FakeMessageBox messages;
    FixedClock clock;
    Form1* form = nullptr;
    QColor paper;

private slots:
    void init()
    {
        clock.at = QDateTime(QDate(2004, 12, 2), QTime(15, 4, 5));
        messages.shown.clear();
        form = new Form1(messages, clock);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        paper = pixel({300, 300});
    }
    void cleanup() { release({1, 1}), delete form; }

    void readingsAndClockTexts()
    {
        const Reading readings[] = {
            {"0", 1, W0, 0, "", ""},     {"0.0", 1, W0, 0, "", ""},   {" 0 ", 1, W0, 0, "", ""},
            {"0.3", 1, WS, 0, "", ""},   {"-1", 1, WS, 1, CL, ""},    {"-0.6", 1, WS, 1, CL, ""},
            {"2.5", 2, "", 2, "", ""},   {"3.5", 4, "", 4, "", ""},   {"15", 15, "", 15, "", ""},
            {"15.5", 16, "", 1, CH, ""}, {"15.7", 16, "", 1, CH, ""}, {"16", 16, "", 1, CH, CH},
            {"20", 20, "", 1, CH, CH},   {"45", 45, "", 1, CH, CH},   {"３", 1, WN, 1, CN, CN},
            {"abc", 1, WN, 1, CN, CN},   {"", 1, WN, 1, CN, CN}};
        for (const auto& [text, width, widthError, colour, colourError, hoverError] : readings) {
            const Pen::Choice w = Pen::width(text), c = Pen::colour(text);
            QVERIFY2(w.error == widthError && w.value == width, qPrintable(text));
            QVERIFY2(c.error == colourError && c.value == colour, qPrintable(text));
            QVERIFY2(Pen::hoverColour(text).error == hoverError, qPrintable(text));
        }
        for (auto [at, text] :
             {std::pair{"2004-12-02T03:32:33", "2004年12月02日 (木曜日) 3:32:33(AM)"},
              {"2004-12-03T15:04:05", "2004年12月03日 (金曜日) 3:04:05(PM)"},
              {"2004-12-04T00:00:07", "2004年12月04日 (土曜日) 12:00:07(AM)"},
              {"2004-12-05T12:30:00", "2004年12月05日 (日曜日) 12:30:00(PM)"},
              {"2004-12-06T23:59:59", "2004年12月06日 (月曜日) 11:59:59(PM)"},
              {"2004-12-07T11:00:00", "2004年12月07日 (火曜日) 11:00:00(AM)"},
              {"2005-01-05T01:02:03", "2005年01月05日 (水曜日) 1:02:03(AM)"}}) {
            const QDateTime t = QDateTime::fromString(at, Qt::ISODate);
            QCOMPARE(ClockFormat::date(t.date()) + ' ' + ClockFormat::time(t.time()), text);
        }
    }

    void startsWithListsLayoutFocusClockAndHelp()
    {
        for (int i = 0; i <= 30; ++i) { // and nothing past the ends
            QCOMPARE(ui().cboIro->itemText(i), i < 16 ? QString::number(i) : "");
            QCOMPARE(ui().cbosenn->itemText(i), i < 30 ? QString::number(i + 1) : "");
        }
        QCOMPARE(ui().cboIro->currentText() + ui().cbosenn->currentText(), "11");
        for (const auto& row : form1Layout)
            std::visit(
                [&](auto c) { QCOMPARE((ui().*c)->geometry(), LayoutBuilder::toPixels(row)); },
                row.control);
        const QList<QWidget*> order = {ui().cmdclr,   ui().cmdend,  ui().cboIro,
                                       ui().cmdprint, ui().cbosenn, ui().cmdclr};
        for (QWidget* next : order) {
            QVERIFY(next->hasFocus());
            QTest::keyClick(window(), Qt::Key_Tab);
        }
        QCOMPARE(ui().lbldate->text() + ui().lbltime->text(), ""); // until the first tick
        QTRY_COMPARE(ui().lbldate->text() + ' ' + ui().lbltime->text(),
                     "2004年12月02日 (木曜日) 3:04:05(PM)");
        QTest::mouseClick(window(), Qt::LeftButton, {}, ui().lblhelp->geometry().center());
        const QRegularExpression usage(
            "^半角文字数字で線の太さと線の色を入力します(\r\n[^\r\n]+){17}"
            "\r\nプリンタからフォーム全体が印刷されます$");
        QVERIFY(messages.shown.size() == 1 && usage.match(messages.shown[0]).hasMatch());
    }

    void strokesAndClear()
    {
        ui().cboIro->setEditText("4");
        move({50, 300}); // the pen is up
        move({400, 300});
        press({100, 100});
        QCOMPARE(pixel({100, 100}), QBColor(4)); // a dot
        ui().cbosenn->setEditText("9");          // for the next press
        move({200, 100});
        move({200, 200});
        release({200, 200});
        move({300, 200}); // up again
        press({300, 100});
        move({300, 150});
        for (QPoint p : {QPoint(150, 100), QPoint(200, 150), QPoint(300, 125), QPoint(304, 125)})
            QCOMPARE(pixel(p), QBColor(4));
        for (QPoint p : {QPoint(150, 102), QPoint(250, 200), QPoint(250, 150), QPoint(225, 300)})
            QCOMPARE(pixel(p), paper);
        QTest::keyClick(window(), Qt::Key_C, Qt::AltModifier); // Clear, with the pen down
        QTRY_COMPARE(pixel({300, 125}), paper);
        move({60, 60}); // from the top left corner
        QCOMPARE(pixel({30, 30}), QBColor(4));
    }

    void entries_data()
    {
        QTest::addColumn<Entry>("e");
        QTest::newRow("width 0") << Entry{"0", "4", "4", {}, {W0}, "1 4", 4, 4};
        QTest::newRow("colour 16") << Entry{"1", "16", "1", {CH}, {CH}, "1 1", 1, 1};
        QTest::newRow("colour -1 pressed") << Entry{"1", "-1", "1", {}, {CL}, "1 1", 1, 1};
        QTest::newRow("colour -1 moved") << Entry{"1", "4", "-1", {}, {CL}, "1 1", 4, 1};
        QTest::newRow("colour at the move") << Entry{"1", "1", "15", {}, {}, "1 15", 1, 15};
    }
    void entries()
    {
        QFETCH(Entry, e);
        const auto& [width, colour, colourAtMove, penUp, all, boxes, dot, line] = e;
        ui().cbosenn->setEditText(width);
        ui().cboIro->setEditText(colour);
        move({50, 300});
        QCOMPARE(QStringList(messages.shown.begin(), messages.shown.end()), penUp);
        press({100, 100});
        QCOMPARE(pixel({100, 100}), QBColor(dot));
        ui().cboIro->setEditText(colourAtMove);
        // No button held: the pen alone decides, as when a message box took the release.
        form->Form_MouseMove(Qt::NoButton, {}, QPointF(140, 100) * LayoutBuilder::twipsPerPixel);
        QCOMPARE(QStringList(messages.shown.begin(), messages.shown.end()), all);
        QCOMPARE(ui().cbosenn->currentText() + ' ' + ui().cboIro->currentText(), boxes);
        QVERIFY(pixel({120, 100}) == QBColor(line) && pixel({120, 102}) == paper); // width 1
    }

    void paintsOncePerFrameInPlaceAtAnyRatio()
    {
        const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(form->devicePixelRatioF(), ratio);
        PaintLog log;
        form->installEventFilter(&log);
        ui().cbosenn->setEditText("5");
        // Handlers called in a row, with no event processed between them: all in one frame.
        form->Form_MouseDown(Qt::LeftButton, {}, QPointF(100, 200) * LayoutBuilder::twipsPerPixel);
        for (QPointF at(110, 200); at.x() <= 300; at.rx() += 10)
            form->Form_MouseMove(Qt::LeftButton, {}, at * LayoutBuilder::twipsPerPixel);
        QTRY_COMPARE(log.regions.size(), 1);
        for (int y = 0; y < form->canvas().image().height(); ++y)
            for (int x = 0; x < form->canvas().image().width(); ++x)
                QVERIFY(form->canvas().image().pixel(x, y) == paper.rgb() ||
                        log.regions[0].contains(QPoint(x / ratio, y / ratio)));
        // A last segment, alone in the next frame, is shown when that frame ends.
        form->Form_MouseMove(Qt::LeftButton, {}, QPointF(300, 260) * LayoutBuilder::twipsPerPixel);
        QTRY_COMPARE(log.regions.size(), 2);
        QVERIFY(log.regions[1].contains(QPoint(300, 250)));
        for (QSize size : {QSize(200, 150), QSize(700, 560)}) {
            form->resize(size);
            QTRY_COMPARE(form->size(), size);
        }
        // Each pixel of the canvas shown where it was drawn, none offset or scaled.
        const QImage shot = form->grab().toImage();
        for (QPoint p : {QPoint(100, 200), QPoint(200, 201), QPoint(300, 199)})
            QCOMPARE(shot.pixelColor(p * ratio), QBColor(1));
        for (QPoint p : {QPoint(90, 200), QPoint(200, 205), QPoint(310, 200), QPoint(200, 400)})
            QCOMPARE(shot.pixelColor(p * ratio), paper);
    }

    // Round ends and joins as Qt draws them, but for a few pixels on the rim; across the edges.
    void wideStrokesFollowQtRoundLines()
    {
        const QList<QPointF> path{{-8, 40},  {60, 45},  {-5, 110}, {75, 40},  {160, 80},
                                  {162, 81}, {120, -9}, {90, 60},  {188, 139}};
        for (int width : {2, 9, 30}) {
            Canvas canvas(Qt::white);
            canvas.ensureSize({180, 130}, form->devicePixelRatioF());
            canvas.setPenWidth(width);
            QImage qt = canvas.image().copy();
            QPainter painter(&qt);
            painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            canvas.dot(path[0] * LayoutBuilder::twipsPerPixel, Qt::black);
            for (qsizetype i = 1; i < path.size(); ++i) {
                canvas.lineTo(path[i] * LayoutBuilder::twipsPerPixel, Qt::black);
                painter.drawLine(path[i - 1], path[i]);
            }
            painter.end();
            int drawn = 0, differ = 0;
            for (int y = 0; y < qt.height(); ++y)
                for (int x = 0; x < qt.width(); ++x) {
                    drawn += qt.pixel(x, y) != QColor(Qt::white).rgb();
                    differ += qt.pixel(x, y) != canvas.image().pixel(x, y);
                }
            QVERIFY2(differ * 100 < drawn, qPrintable(QString("%1 of %2").arg(differ).arg(drawn)));
        }
    }

    void soakKeepsMemoryBounded()
    {
        [[maybe_unused]] const Soak::Figures figures = Soak::run(*form, 100000);
        QVERIFY(messages.shown.empty() && !form->penDown());
#ifndef __SANITIZE_ADDRESS__ // freed memory is held in quarantine there
        QVERIFY(figures.residentStart > 0);
        QVERIFY(figures.residentEnd - figures.residentStart <= figures.canvasBytes);
#endif
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
