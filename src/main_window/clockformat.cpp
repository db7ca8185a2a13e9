#include "main_window/clockformat.h"

#include <QLocale>

QString ClockFormat::date(QDate date)
{
    return QLocale(QLocale::Japanese).toString(date, u"yyyy年MM月dd日 (dddd)");
}

QString ClockFormat::time(QTime time)
{
    return time.toString(u"h:mm:ss(AP)"); // AM and PM in English
}

int ClockFormat::msUntilNextTick(QTime now)
{
    constexpr int boundaryMargin = 5;
    return 1000 - now.msec() + boundaryMargin;
}
