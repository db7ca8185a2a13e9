#include "main_window/clockformat.h"
#include "main_window/form1.h"
#include "main_window/qbcolor.h"
#include "soak.h"
#include "support/fakes.h"
#include "widgets/twips.h"

#include <QBitmap>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace {

constexpr auto W0 = "Error!!\r\n線の太さNoが0です\r\n初期値として1が入力されました";
constexpr auto WS = "Error!!\r\n線の太さNoが1より小さいです\r\n初期値として1が入力されました";
constexpr auto WL = "Error!!\r\n線の太さNoは32767までです\r\n初期値として1が入力されました";
constexpr auto WN = "Error!!\r\n線の太さNoが数字ではありません\r\n初期値として1が入力されました";
constexpr auto CH = "Error!!\r\n色の種類Noは15までです\r\n初期値として1が選択されました";
constexpr auto CL = "Error!!\r\n色の種類Noは0からです\r\n初期値として1が選択されました";
constexpr auto CN = "Error!!\r\n色の種類Noが数字ではありません\r\n初期値として1が選択されました";
// Width, its message, colour, its message at a press, and at a move with the pen up.
using Reading = std::tuple<int, QString, int, QString, QString>;
// Boxes typed, colour typed after the press, messages pen up and in all, boxes, dot, line.
using Entry = std::tuple<QString, QString, QString, QStringList, QStringList, QString, int, int>;

// The most memory this process has held, in kilobytes, or 0 where the system does not say.
long peakKilobytes()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    return QRegularExpression(R"(VmHWM:\s*(\d+))").match(status.readAll()).captured(1).toLong();
}

// A widget's paints, and the frame of its screen in which a watched point was first painted.
struct PaintLog : QObject {
    QRegion painted;
    int paints = 0, frames = 0, watchedFrame = -1;
    QPoint watched{-1, -1};
    explicit PaintLog(QWidget& widget)
    {
        widget.installEventFilter(this);
        const qreal hertz = widget.screen()->refreshRate();
        startTimer(int(1000 / (hertz >= 1 ? hertz : 60)), Qt::PreciseTimer); // counts the frames
    }
    void timerEvent(QTimerEvent*) override { ++frames; }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            const QRegion& region = static_cast<QPaintEvent*>(e)->region();
            if (watchedFrame < 0 && region.contains(watched))
                watchedFrame = frames;
            painted += region;
            ++paints;
        }
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
    static QPointF twips(QPointF pixels) { return pixels * Twips::perPixel; }

    FakeMessageBox messages;
    FixedClock clock;
    Form1* form = nullptr;
    QColor paper;

private slots:
    void init()
    {
        if (QByteArrayList{"readings", "clockTexts"}.contains(QTest::currentTestFunction()))
            return; // these need no window
        clock.at = QDateTime(QDate(2004, 12, 2), QTime(15, 4, 5));
        messages.shown.clear();
        form = new Form1(messages, clock);
        QCOMPARE(ui().lbldate->text() + ui().lbltime->text(), ""); // until the first tick
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        paper = pixel({300, 300});
    }
    void cleanup()
    {
        if (form)
            release({1, 1}), delete std::exchange(form, nullptr);
    }

    // Each text as the width, the colour at a press and the colour at a move with the pen up.
    void readings_data()
    {
        QTest::addColumn<Reading>("expected");
        QTest::newRow("0") << Reading{1, W0, 0, "", ""};
        QTest::newRow(" 0 ") << Reading{1, W0, 0, "", ""};
        QTest::newRow("1e-400") << Reading{1, W0, 0, "", ""};
        QTest::newRow("0.3") << Reading{1, WS, 0, "", ""};
        QTest::newRow("-0.6") << Reading{1, WS, 1, CL, ""};
        QTest::newRow("1") << Reading{1, "", 1, "", ""};
        QTest::newRow("2.5") << Reading{2, "", 2, "", ""};
        QTest::newRow("3.5") << Reading{4, "", 4, "", ""};
        QTest::newRow("15") << Reading{15, "", 15, "", ""};
        QTest::newRow("15.5") << Reading{16, "", 1, CH, ""};
        QTest::newRow("16") << Reading{16, "", 1, CH, CH};
        QTest::newRow("32767") << Reading{32767, "", 1, CH, CH};
        QTest::newRow("32767.5") << Reading{1, WL, 1, CH, CH};
        QTest::newRow("1e400") << Reading{1, WL, 1, CH, CH};
        QTest::newRow("３") << Reading{1, WN, 1, CN, CN};
        QTest::newRow("inf") << Reading{1, WN, 1, CN, CN};
        QTest::newRow("") << Reading{1, WN, 1, CN, CN};
    }
    void readings()
    {
        const QString text = QString::fromUtf8(QTest::currentDataTag());
        const Pen::Choice width = Pen::width(text), colour = Pen::colour(text);
        QTEST(Reading(width.value, width.error, colour.value, colour.error,
                      Pen::hoverColour(text).error),
              "expected");
    }

    // The time (the data tag), as shown, and the milliseconds to the next whole second.
    void clockTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("nextTick");
        QTest::newRow("2004-12-03T15:04:05.005") << "2004年12月03日 (金曜日) 3:04:05(PM)" << 1000;
        QTest::newRow("2004-12-04T00:00:07.600") << "2004年12月04日 (土曜日) 12:00:07(AM)" << 405;
        QTest::newRow("2004-12-05T12:30:00.999") << "2004年12月05日 (日曜日) 12:30:00(PM)" << 6;
        QTest::newRow("2005-01-05T03:32:33.000") << "2005年01月05日 (水曜日) 3:32:33(AM)" << 1005;
    }
    void clockTexts()
    {
        const QDateTime t = QDateTime::fromString(QTest::currentDataTag(), Qt::ISODateWithMs);
        QTEST(ClockFormat::date(t.date()) + ' ' + ClockFormat::time(t.time()), "text");
        QTEST(ClockFormat::msUntilNextTick(t.time()), "nextTick");
    }

    void startsWithListsFocusClockAndHelp()
    {
        for (int i = 0; i <= 30; ++i) { // and nothing past the ends
            QCOMPARE(ui().cboIro->itemText(i), i < 16 ? QString::number(i) : "");
            QCOMPARE(ui().cbosenn->itemText(i), i < 30 ? QString::number(i + 1) : "");
        }
        // "1" in each box, with no item of the lists chosen.
        for (QComboBox* box : {ui().cboIro, ui().cbosenn})
            QVERIFY(box->currentText() == "1" && box->currentIndex() == -1);
        const QList<QWidget*> order = {ui().cmdclr,   ui().cmdend,  ui().cboIro,
                                       ui().cmdprint, ui().cbosenn, ui().cmdclr};
        for (QWidget* next : order) {
            QVERIFY(next->hasFocus());
            QTest::keyClick(window(), Qt::Key_Tab);
        }
        QTRY_COMPARE(ui().lbldate->text() + ' ' + ui().lbltime->text(),
                     "2004年12月02日 (木曜日) 3:04:05(PM)");
        QTest::mouseClick(window(), Qt::LeftButton, {}, ui().lblhelp->geometry().center());
        // Nineteen lines, CR LF between them; their text is checked on the screen.
        const QStringList lines = messages.shown.value(0).split("\r\n");
        QVERIFY(messages.shown.size() == 1 && lines.size() == 19 && !lines.contains(""));
    }

    void strokesAndClear()
    {
        const QColor maroon(0x800000); // colour 4 of the palette
        ui().cboIro->setEditText("4");
        move({50, 300}); // the pen is up
        move({400, 300});
        press({100, 100});
        QCOMPARE(pixel({100, 100}), maroon); // a dot
        ui().cbosenn->setEditText("9");      // for the next press
        move({200, 100});
        move({200, 200});
        move({201, 201}); // a step of a pixel counts too
        release({201, 201});
        move({300, 200}); // up again
        press({300, 100});
        move({300, 150});
        for (QPoint p : {QPoint(150, 100), QPoint(200, 150), QPoint(201, 201), QPoint(300, 125),
                         QPoint(304, 125)})
            QCOMPARE(pixel(p), maroon);
        for (QPoint p : {QPoint(150, 102), QPoint(250, 200), QPoint(250, 150), QPoint(225, 300)})
            QCOMPARE(pixel(p), paper);
        QTest::keyClick(window(), Qt::Key_C, Qt::AltModifier); // Clear, with the pen down
        QTRY_COMPARE(pixel({300, 125}), paper);
        move({60, 60}); // from the top left corner
        QCOMPARE(pixel({30, 30}), maroon);
    }

    void entries_data()
    {
        QTest::addColumn<Entry>("e");
        QTest::newRow("width 0") << Entry{"0", "4", "4", {}, {W0}, "1 4", 4, 4};
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
        QCOMPARE(messages.shown, penUp);
        press({100, 100});
        QCOMPARE(pixel({100, 100}), QBColor(dot));
        ui().cboIro->setEditText(colourAtMove);
        // No button held: the pen alone decides, as when a message box took the release.
        form->Form_MouseMove(Qt::NoButton, {}, twips({140, 100}));
        QCOMPARE(messages.shown, all);
        QCOMPARE(ui().cbosenn->currentText() + ' ' + ui().cboIro->currentText(), boxes);
        QVERIFY(pixel({120, 100}) == QBColor(line) && pixel({120, 102}) == paper); // width 1
    }

    // A quick drag is painted once a frame, not once an event, and every change is shown by the
    // frame after it.
    void paintsOncePerFrameInPlaceAtAnyRatio()
    {
        const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(form->devicePixelRatioF(), ratio);
        ui().cbosenn->setEditText("5");
        PaintLog log(*form);
        press({100, 200});
        for (int x = 102; x <= 300; x += 2)
            move({x, 200}); // each through the event loop
        const int frames = log.frames;
        log.watched = {300, 230};
        move({300, 260}); // a last segment, alone in its frame
        // Every pixel not of the paper, the last segment's among them, is painted in time.
        const QRegion drawn(QBitmap::fromImage(
            form->canvas().image().createMaskFromColor(paper.rgb(), Qt::MaskInColor)));
        QVERIFY(drawn.contains(log.watched * ratio));
        QTRY_VERIFY((drawn - QTransform::fromScale(ratio, ratio).map(log.painted)).isEmpty());
        QCOMPARE_LE(log.paints, frames + 3);
        QCOMPARE_LE(log.watchedFrame, frames + 1);
        // Made small, then dragged larger a few pixels a step, the window seldom needs a new
        // canvas (told by Qt's serial number of each image), and drawing goes on into the new part.
        move({300, 270});
        QSet<qint64> canvases;
        const int steps = 88;
        for (int step = 0; step <= steps; ++step) {
            const QSize size = QSize(200, 150) + QSize(8, 8) * step;
            form->resize(size);
            QTRY_COMPARE(form->size(), size);
            canvases << (form->canvas().image().cacheKey() >> 32);
        }
        QCOMPARE_LE(canvases.size(), steps / 8);
        move({890, 840});
        // Each pixel of the canvas shown where it was drawn, none offset or scaled.
        QTRY_COMPARE(form->grab().toImage().pixelColor(QPoint(890, 839) * ratio), QBColor(1));
        const QImage shot = form->grab().toImage();
        for (QPoint p : {QPoint(100, 200), QPoint(200, 201), QPoint(300, 230), QPoint(595, 555)})
            QCOMPARE(shot.pixelColor(p * ratio), QBColor(1));
        for (QPoint p : {QPoint(90, 200), QPoint(200, 210), QPoint(310, 200), QPoint(200, 400)})
            QCOMPARE(shot.pixelColor(p * ratio), paper);
    }

    // The widest pen the box takes costs a frame, not a picture of its size; after the pixel
    // ratio changes, drawing goes on at the new one, and so it does when there is no memory for
    // a larger canvas.
    void widestPenNewRatioNoMemory()
    {
        const qreal ratio = form->devicePixelRatioF();
        const long before = peakKilobytes();
        Canvas canvas(Qt::white);
        canvas.ensureSize({200, 100}, ratio);
        canvas.setPenWidth(32767);
        canvas.dot(twips({10, 10}), Qt::blue);
        canvas.lineTo(twips({14, 12}), Qt::red);
        canvas.lineTo(twips({20, 12}), Qt::green);
        const long more = peakKilobytes() - before;
        canvas.setPenWidth(3);
        canvas.ensureSize({300, 150}, ratio * 2);
        canvas.lineTo(twips({290, 140}), Qt::red);
        canvas.ensureSize({70'000'000, 150}, ratio * 2); // wider than Qt makes an image
        canvas.lineTo(twips({290, 100}), Qt::blue);
        QCOMPARE_LT(more, 64 * 1024); // kilobytes
        QList<QColor> seen;
        for (QPoint p : {QPoint(150, 20), QPoint(400, 20), QPoint(155, 76), QPoint(290, 120)})
            seen << canvas.image().pixelColor(p * ratio * 2);
        QCOMPARE(seen, QList<QColor>({Qt::green, Qt::white, Qt::red, Qt::blue}));
    }

    void soakKeepsMemoryBounded()
    {
        [[maybe_unused]] const Soak::Figures figures = Soak::run(*form, 100000);
        QVERIFY(messages.shown.empty());
#if defined(Q_OS_LINUX) && !defined(__SANITIZE_ADDRESS__) // ASan holds freed memory back
        QVERIFY(figures.residentStart > 0);
        QVERIFY(figures.residentEnd - figures.residentStart <= figures.canvasBytes);
#endif
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
