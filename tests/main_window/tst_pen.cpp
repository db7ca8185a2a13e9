#include "main_window/numbertext.h"
#include "main_window/pen.h"
#include "main_window/qbcolor.h"

#include <QTest>

class PenTest : public QObject {
    Q_OBJECT
private slots:
    void readsRealNumbers_data();
    void readsRealNumbers();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void acceptsWidths_data();
    void acceptsWidths();
    void refusesWidths_data();
    void refusesWidths();
    void acceptsColours_data();
    void acceptsColours();
    void refusesColours_data();
    void refusesColours();
    void onlyPressPutsThePenDown();
    void paletteHasTheSixteenColours();
};

void PenTest::readsRealNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "12" << true << 12.0;
    QTest::newRow("blanks around") << "  0 " << true << 0.0;
    QTest::newRow("zero point zero") << "0.0" << true << 0.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("signs") << "-2.5" << true << -2.5;
    QTest::newRow("plus") << "+7" << true << 7.0;
    QTest::newRow("exponent") << "1.5e2" << true << 150.0;
    QTest::newRow("overflow is infinite") << "1e999" << true << qInf();
    QTest::newRow("underflow is zero") << "1e-999" << true << 0.0;
    QTest::newRow("long fraction underflow") << "0.00000000000000000001e-400" << true << 0.0;
    QTest::newRow("exponent beyond a long")
        << "11e88888880332555555555555555555555" << true << qInf();
    QTest::newRow("negative exponent beyond a long")
        << "0.01e-88888880332555555555555555555555" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letters") << "12px" << false << 0.0;
    QTest::newRow("full-width digits") << "１２" << false << 0.0;
    QTest::newRow("comma decimal") << "1,5" << false << 0.0;
    QTest::newRow("lone sign") << "-" << false << 0.0;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("infinity word") << "inf" << false << 0.0;
    QTest::newRow("nan word") << "nan" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
    QTest::newRow("two numbers") << "1 2" << false << 0.0;
}

void PenTest::readsRealNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto real = NumberText::real(text);
    QCOMPARE(real.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*real, value);
}

void PenTest::roundsHalvesToEven_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -1000000: does not fit 16 bits
    QTest::newRow("2.5") << "2.5" << 2;
    QTest::newRow("3.5") << "3.5" << 4;
    QTest::newRow("-2.5") << "-2.5" << -2;
    QTest::newRow("0.5") << "0.5" << 0;
    QTest::newRow("15.5") << "15.5" << 16;
    QTest::newRow("2.51") << "2.51" << 3;
    QTest::newRow("largest") << "32767.4" << 32767;
    QTest::newRow("smallest") << "-32768.5" << -32768;
    QTest::newRow("just over") << "32767.5" << -1000000;
    QTest::newRow("far over") << "1e10" << -1000000;
    QTest::newRow("infinite") << "1e999" << -1000000;
    QTest::newRow("not a number") << "x" << -1000000;
}

void PenTest::roundsHalvesToEven()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    const auto integer = NumberText::integer(text);
    QCOMPARE(integer.has_value(), value != -1000000);
    if (integer)
        QCOMPARE(int(*integer), value);
}

void PenTest::acceptsWidths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("30") << "30" << 30;
    QTest::newRow("typed 45") << "45" << 45;
    QTest::newRow("rounded up") << "0.6" << 1;
    QTest::newRow("half to even") << "2.5" << 2;
    QTest::newRow("largest") << "32767" << 32767;
}

void PenTest::acceptsWidths()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    const Pen::Choice choice = Pen::width(text);
    QVERIFY(choice.accepted());
    QCOMPARE(choice.value, width);
}

void PenTest::refusesWidths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    const QString zero = "線の太さNoが0です";
    QTest::newRow("0") << "0" << zero;
    QTest::newRow("0.0") << "0.0" << zero;
    QTest::newRow("blanks around 0") << " 0 " << zero;
    QTest::newRow("-0") << "-0" << zero;
    QTest::newRow("empty") << ""
                           << "線の太さNoが数字ではありません";
    QTest::newRow("letters") << "abc"
                             << "線の太さNoが数字ではありません";
    QTest::newRow("full-width") << "３"
                                << "線の太さNoが数字ではありません";
    QTest::newRow("rounds to 0") << "0.3"
                                 << "線の太さNoが1より小さいです";
    QTest::newRow("negative") << "-3"
                              << "線の太さNoが1より小さいです";
    QTest::newRow("far negative") << "-1e9"
                                  << "線の太さNoが1より小さいです";
    QTest::newRow("beyond 16 bits") << "32768"
                                    << "線の太さNoは32767までです";
    QTest::newRow("infinite") << "1e999"
                              << "線の太さNoは32767までです";
}

void PenTest::refusesWidths()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);
    const Pen::Choice choice = Pen::width(text);
    QVERIFY(!choice.accepted());
    QCOMPARE(choice.value, 1);
    QCOMPARE(QString::fromStdString(choice.error),
             "Error!!\r\n" + reason + "\r\n初期値として1が入力されました");
}

void PenTest::acceptsColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("colour");
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("15") << "15" << 15;
    QTest::newRow("15.4") << "15.4" << 15;
    QTest::newRow("small negative rounds to 0") << "-0.5" << 0;
    QTest::newRow("blanks") << " 4 " << 4;
}

void PenTest::acceptsColours()
{
    QFETCH(QString, text);
    QFETCH(int, colour);
    const Pen::Choice choice = Pen::colour(text);
    QVERIFY(choice.accepted());
    QCOMPARE(choice.value, colour);
}

void PenTest::refusesColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    const QString tooLarge = "色の種類Noは15までです";
    QTest::newRow("16") << "16" << tooLarge;
    QTest::newRow("20") << "20" << tooLarge;
    QTest::newRow("rounds to 16") << "15.5" << tooLarge;
    QTest::newRow("beyond 16 bits") << "99999" << tooLarge;
    QTest::newRow("negative") << "-1"
                              << "色の種類Noは0からです";
    QTest::newRow("empty") << ""
                           << "色の種類Noが数字ではありません";
    QTest::newRow("letters") << "red"
                             << "色の種類Noが数字ではありません";
}

void PenTest::refusesColours()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);
    const Pen::Choice choice = Pen::colour(text);
    QVERIFY(!choice.accepted());
    QCOMPARE(choice.value, 1);
    QCOMPARE(QString::fromStdString(choice.error),
             "Error!!\r\n" + reason + "\r\n初期値として1が選択されました");
}

void PenTest::onlyPressPutsThePenDown()
{
    Pen pen;
    QVERIFY(!pen.isDown());
    pen.press();
    QVERIFY(pen.isDown());
    pen.press();
    QVERIFY(pen.isDown());
    pen.release();
    QVERIFY(!pen.isDown());
}

void PenTest::paletteHasTheSixteenColours()
{
    const QList<QRgb> expected = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    for (int i = 0; i < 16; ++i)
        QCOMPARE(QBColor(i).rgb(), expected[i]);
}

QTEST_APPLESS_MAIN(PenTest)
#include "tst_pen.moc"
