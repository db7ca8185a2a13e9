#include "main_window/canvas.h"

#include <QTest>

namespace {

const QColor paper(0xee, 0xee, 0xee);
const QColor red(255, 0, 0);

QPointF twips(qreal x, qreal y)
{
    return {x * 15, y * 15};
}

int paintedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != paper;
    return count;
}

} // namespace

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    void dotIsRoundAndAsWideAsThePen_data();
    void dotIsRoundAndAsWideAsThePen();
    void lineRunsFromTheCurrentPosition();
    void lineOfNoLengthDrawsADot();
    void changedRectangleCoversTheStroke();
    void clsErasesAndReturnsToTheOrigin();
    void growingKeepsTheDrawingAndNeverShrinks();
    void highDpiDrawsAtDeviceResolution();
};

void CanvasTest::dotIsRoundAndAsWideAsThePen_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("9") << 9;
    QTest::newRow("45") << 45;
}

void CanvasTest::dotIsRoundAndAsWideAsThePen()
{
    QFETCH(int, width);
    Canvas canvas(paper);
    canvas.ensureSize({200, 200}, 1);
    canvas.setDrawWidth(width);
    canvas.PSet(twips(100, 100), red);
    const QImage& image = canvas.image();

    QCOMPARE(image.pixelColor(100, 100), red);
    int across = 0;
    for (int x = 0; x < 200; ++x)
        across += image.pixelColor(x, 100) == red;
    QVERIFY2(qAbs(across - width) <= 1, qPrintable(QString::number(across)));
    // Round, not square: the corners of the bounding square stay empty.
    if (width >= 9) {
        const int r = width / 2;
        QCOMPARE(image.pixelColor(100 - r, 100 - r), paper);
        QCOMPARE(image.pixelColor(100 + r, 100 + r), paper);
        const double area = 3.14159 * width * width / 4;
        QVERIFY(qAbs(paintedPixels(image) - area) < 0.15 * area);
    }
}

void CanvasTest::lineRunsFromTheCurrentPosition()
{
    Canvas canvas(paper);
    canvas.ensureSize({200, 200}, 1);
    canvas.PSet(twips(10, 10), red);
    canvas.Line(twips(110, 10), red);
    canvas.Line(twips(110, 60), QColor(0, 0, 255));
    const QImage& image = canvas.image();
    for (int x = 10; x <= 105; x += 5)
        QCOMPARE(image.pixelColor(x, 10), red);
    QCOMPARE(image.pixelColor(110, 40), QColor(0, 0, 255));
    QCOMPARE(canvas.current(), twips(110, 60));
    QCOMPARE(image.pixelColor(60, 40), paper);
}

void CanvasTest::lineOfNoLengthDrawsADot()
{
    Canvas canvas(paper);
    canvas.ensureSize({100, 100}, 1);
    canvas.setDrawWidth(10);
    canvas.PSet(twips(50, 50), paper);
    canvas.Line(twips(50, 50), red);
    QCOMPARE(canvas.image().pixelColor(50, 50), red);
    QCOMPARE(canvas.image().pixelColor(53, 50), red);
}

void CanvasTest::changedRectangleCoversTheStroke()
{
    Canvas canvas(paper);
    canvas.ensureSize({400, 400}, 1);
    canvas.setDrawWidth(30);
    canvas.PSet(twips(100, 100), red);
    const QRect changed = canvas.Line(twips(200, 150), red);
    QVERIFY(changed.contains(QRect(100 - 15, 100 - 15, 100 + 30, 50 + 30)));
    QVERIFY(changed.width() < 400 && changed.height() < 400);
    // Nothing outside the returned rectangle was touched.
    for (int y = 0; y < 400; y += 3)
        for (int x = 0; x < 400; x += 3)
            if (!changed.contains(x, y))
                QCOMPARE(canvas.image().pixelColor(x, y), paper);
}

void CanvasTest::clsErasesAndReturnsToTheOrigin()
{
    Canvas canvas(paper);
    canvas.ensureSize({100, 100}, 1);
    canvas.setDrawWidth(5);
    canvas.PSet(twips(50, 50), red);
    canvas.Cls();
    QCOMPARE(paintedPixels(canvas.image()), 0);
    QCOMPARE(canvas.current(), QPointF(0, 0));
    QCOMPARE(canvas.DrawWidth(), 5);
    canvas.Line(twips(40, 40), red);
    QCOMPARE(canvas.image().pixelColor(1, 1), red);
}

void CanvasTest::growingKeepsTheDrawingAndNeverShrinks()
{
    Canvas canvas(paper);
    canvas.ensureSize({100, 100}, 1);
    canvas.PSet(twips(90, 90), red);
    canvas.ensureSize({50, 50}, 1);
    QCOMPARE(canvas.image().size(), QSize(100, 100));
    canvas.ensureSize({300, 80}, 1);
    QCOMPARE(canvas.image().size(), QSize(300, 100));
    QCOMPARE(canvas.image().pixelColor(90, 90), red);
    QCOMPARE(canvas.image().pixelColor(250, 50), paper);
}

void CanvasTest::highDpiDrawsAtDeviceResolution()
{
    Canvas canvas(paper);
    canvas.ensureSize({100, 100}, 1);
    canvas.PSet(twips(10, 10), red);
    canvas.ensureSize({100, 100}, 2);
    QCOMPARE(canvas.image().size(), QSize(200, 200));
    QCOMPARE(canvas.image().pixelColor(20, 20), red);
    canvas.setDrawWidth(1);
    canvas.PSet(twips(50, 50), red);
    canvas.Line(twips(90, 50), red);
    // A one-pixel pen is two device pixels thick, drawn sharp rather than scaled up.
    QCOMPARE(canvas.image().pixelColor(140, 100), red);
    QCOMPARE(canvas.image().pixelColor(140, 103), paper);
    QCOMPARE(canvas.image().format(), QImage::Format_RGB32);
}

QTEST_MAIN(CanvasTest)
#include "tst_canvas.moc"
