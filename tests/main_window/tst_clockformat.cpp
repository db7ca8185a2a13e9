#include "main_window/clockformat.h"

#include <QLocale>
#include <QSet>
#include <QTest>

class ClockFormatTest : public QObject {
    Q_OBJECT
private slots:
    void formatsDates_data();
    void formatsDates();
    void formatsTimes_data();
    void formatsTimes();
    void ignoresTheLocale();
    void ticksShowEverySecondOnce_data();
    void ticksShowEverySecondOnce();
    void firstTickComesAboutASecondAfterLoad();
};

void ClockFormatTest::formatsDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("example") << QDate(2004, 12, 2) << "2004年12月02日 (木曜日)";
    QTest::newRow("sunday") << QDate(2026, 12, 6) << "2026年12月06日 (日曜日)";
    QTest::newRow("monday") << QDate(2026, 12, 7) << "2026年12月07日 (月曜日)";
    QTest::newRow("tuesday") << QDate(2026, 12, 8) << "2026年12月08日 (火曜日)";
    QTest::newRow("wednesday") << QDate(2026, 12, 9) << "2026年12月09日 (水曜日)";
    QTest::newRow("thursday") << QDate(2026, 12, 10) << "2026年12月10日 (木曜日)";
    QTest::newRow("friday") << QDate(2026, 12, 11) << "2026年12月11日 (金曜日)";
    QTest::newRow("saturday") << QDate(2026, 12, 12) << "2026年12月12日 (土曜日)";
    QTest::newRow("new year") << QDate(2027, 1, 1) << "2027年01月01日 (金曜日)";
    QTest::newRow("leap day") << QDate(2028, 2, 29) << "2028年02月29日 (火曜日)";
}

void ClockFormatTest::formatsDates()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(ClockFormat::date(date), text);
}

void ClockFormatTest::formatsTimes_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("example am") << QTime(3, 32, 33) << "3:32:33(AM)";
    QTest::newRow("example pm") << QTime(15, 4, 5) << "3:04:05(PM)";
    QTest::newRow("after midnight") << QTime(0, 0, 7) << "12:00:07(AM)";
    QTest::newRow("last of the first hour") << QTime(0, 59, 59) << "12:59:59(AM)";
    QTest::newRow("after noon") << QTime(12, 30, 0) << "12:30:00(PM)";
    QTest::newRow("before noon") << QTime(11, 59, 59) << "11:59:59(AM)";
    QTest::newRow("one pm") << QTime(13, 0, 0) << "1:00:00(PM)";
    QTest::newRow("last second") << QTime(23, 59, 59) << "11:59:59(PM)";
    QTest::newRow("ten am") << QTime(10, 9, 8) << "10:09:08(AM)";
}

void ClockFormatTest::formatsTimes()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(ClockFormat::time(time), text);
}

void ClockFormatTest::ignoresTheLocale()
{
    for (const QLocale& locale : {QLocale(QLocale::German), QLocale(QLocale::Arabic),
                                  QLocale(QLocale::English), QLocale::c()}) {
        QLocale::setDefault(locale);
        QCOMPARE(ClockFormat::date(QDate(2004, 12, 2)), "2004年12月02日 (木曜日)");
        QCOMPARE(ClockFormat::time(QTime(15, 4, 5)), "3:04:05(PM)");
    }
    QLocale::setDefault(QLocale::system());
}

void ClockFormatTest::ticksShowEverySecondOnce_data()
{
    QTest::addColumn<int>("lateness");
    QTest::newRow("on time") << 0;
    QTest::newRow("late 50 ms") << 50;
    QTest::newRow("late 300 ms") << 300;
}

// Simulates a timer that fires late by a varying amount and checks the seconds shown.
void ClockFormatTest::ticksShowEverySecondOnce()
{
    QFETCH(int, lateness);
    QTime now(23, 59, 57, 123);
    QList<int> shown;
    for (int tick = 0; tick < 8; ++tick) {
        now = now.addMSecs(ClockFormat::msUntilNextTick(now) + (tick * 37) % (lateness + 1));
        shown.append(now.second());
    }
    const QList<int> expected = {58, 59, 0, 1, 2, 3, 4, 5};
    QCOMPARE(shown, expected);
}

void ClockFormatTest::firstTickComesAboutASecondAfterLoad()
{
    for (int ms : {0, 1, 400, 499, 500, 501, 994, 995, 996, 999}) {
        const int wait = ClockFormat::msUntilNextTick(QTime(8, 0, 0, ms));
        QVERIFY2(wait >= 500 && wait <= 1500, qPrintable(QString::number(ms)));
        QCOMPARE(QTime(8, 0, 0, ms).addMSecs(wait).msec(), 5);
    }
}

QTEST_APPLESS_MAIN(ClockFormatTest)
#include "tst_clockformat.moc"
