#include "main_window/numbertext.h"
#include "main_window/pen.h"
#include "main_window/qbcolor.h"

#include <QTest>

namespace {

constexpr int notAnInteger = -1000000;

} // namespace

class PenTest : public QObject {
    Q_OBJECT
private slots:
    void readsNumbers_data();
    void readsNumbers();
    void checksWidths_data();
    void checksWidths();
    void checksColours_data();
    void checksColours();
    void onlyPressPutsThePenDown();
    void paletteHasTheSixteenColours();
};

void PenTest::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("real");
    QTest::addColumn<int>("integer");
    QTest::newRow("blanks around") << "  0 " << true << 0.0 << 0;
    QTest::newRow("leading point") << ".5" << true << 0.5 << 0;
    QTest::newRow("trailing point") << "5." << true << 5.0 << 5;
    QTest::newRow("plus") << "+7" << true << 7.0 << 7;
    QTest::newRow("exponent") << "1.5e2" << true << 150.0 << 150;
    QTest::newRow("2.5 to even") << "2.5" << true << 2.5 << 2;
    QTest::newRow("3.5 to even") << "3.5" << true << 3.5 << 4;
    QTest::newRow("-2.5 to even") << "-2.5" << true << -2.5 << -2;
    QTest::newRow("15.5 to even") << "15.5" << true << 15.5 << 16;
    QTest::newRow("largest") << "32767.4" << true << 32767.4 << 32767;
    QTest::newRow("smallest") << "-32768.5" << true << -32768.5 << -32768;
    QTest::newRow("just over") << "32767.5" << true << 32767.5 << notAnInteger;
    QTest::newRow("overflow") << "1e999" << true << qInf() << notAnInteger;
    QTest::newRow("underflow") << "1e-999" << true << 0.0 << 0;
    QTest::newRow("exponent beyond a long")
        << "11e88888880332555555555555555555555" << true << qInf() << notAnInteger;
    QTest::newRow("negative exponent beyond a long")
        << "0.01e-88888880332555555555555555555555" << true << 0.0 << 0;
    for (const char* text :
         {"", "   ", "abc", "12px", "１２", "1,5", "-", ".", "1e", "inf", "nan", "0x10", "1 2"})
        QTest::newRow(text) << text << false << 0.0 << notAnInteger;
}

void PenTest::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, real);
    QFETCH(int, integer);
    QCOMPARE(NumberText::real(text).has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*NumberText::real(text), real);
    const auto rounded = NumberText::integer(text);
    QCOMPARE(rounded ? int(*rounded) : notAnInteger, integer);
}

// An empty reason means the entry is accepted with that value.
void PenTest::checksWidths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("reason");
    const QString zero = "線の太さNoが0です";
    const QString notNumber = "線の太さNoが数字ではありません";
    const QString belowOne = "線の太さNoが1より小さいです";
    QTest::newRow("30") << "30" << 30 << "";
    QTest::newRow("typed 45") << "45" << 45 << "";
    QTest::newRow("rounded up") << "0.6" << 1 << "";
    QTest::newRow("largest") << "32767" << 32767 << "";
    QTest::newRow("0") << "0" << 1 << zero;
    QTest::newRow("0.0") << "0.0" << 1 << zero;
    QTest::newRow("blanks around 0") << " 0 " << 1 << zero;
    QTest::newRow("-0") << "-0" << 1 << zero;
    QTest::newRow("empty") << "" << 1 << notNumber;
    QTest::newRow("full-width") << "３" << 1 << notNumber;
    QTest::newRow("rounds to 0") << "0.3" << 1 << belowOne;
    QTest::newRow("negative") << "-3" << 1 << belowOne;
    QTest::newRow("far negative") << "-1e9" << 1 << belowOne;
    QTest::newRow("beyond 16 bits") << "32768" << 1 << "線の太さNoは32767までです";
}

void PenTest::checksWidths()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, reason);
    const Pen::Choice choice = Pen::width(text);
    QCOMPARE(choice.value, value);
    QCOMPARE(QString::fromStdString(choice.error),
             reason.isEmpty() ? "" : "Error!!\r\n" + reason + "\r\n初期値として1が入力されました");
}

void PenTest::checksColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("reason");
    const QString tooLarge = "色の種類Noは15までです";
    QTest::newRow("0") << "0" << 0 << "";
    QTest::newRow("15") << "15" << 15 << "";
    QTest::newRow("15.4") << "15.4" << 15 << "";
    QTest::newRow("small negative rounds to 0") << "-0.5" << 0 << "";
    QTest::newRow("16") << "16" << 1 << tooLarge;
    QTest::newRow("20") << "20" << 1 << tooLarge;
    QTest::newRow("rounds to 16") << "15.5" << 1 << tooLarge;
    QTest::newRow("beyond 16 bits") << "99999" << 1 << tooLarge;
    QTest::newRow("negative") << "-1" << 1 << "色の種類Noは0からです";
    QTest::newRow("letters") << "red" << 1 << "色の種類Noが数字ではありません";
}

void PenTest::checksColours()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, reason);
    const Pen::Choice choice = Pen::colour(text);
    QCOMPARE(choice.value, value);
    QCOMPARE(QString::fromStdString(choice.error),
             reason.isEmpty() ? "" : "Error!!\r\n" + reason + "\r\n初期値として1が選択されました");
}

void PenTest::onlyPressPutsThePenDown()
{
    Pen pen;
    QVERIFY(!pen.isDown());
    pen.press();
    pen.press();
    QVERIFY(pen.isDown());
    pen.release();
    QVERIFY(!pen.isDown());
}

void PenTest::paletteHasTheSixteenColours()
{
    const QList<QRgb> expected = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xc0c0c0,
        0x808080, 0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff,
    };
    for (int i = 0; i < 16; ++i)
        QCOMPARE(QBColor(i).rgb(), 0xff000000 | expected[i]);
}

QTEST_APPLESS_MAIN(PenTest)
#include "tst_pen.moc"
