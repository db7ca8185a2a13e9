#include "main_window/clockformat.h"

#include <array>

namespace {

constexpr int boundaryMargin = 5;

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString ClockFormat::date(QDate date)
{
    static const std::array<QString, 7> weekdays = {
        QStringLiteral("月曜日"), QStringLiteral("火曜日"), QStringLiteral("水曜日"),
        QStringLiteral("木曜日"), QStringLiteral("金曜日"), QStringLiteral("土曜日"),
        QStringLiteral("日曜日"),
    };
    return QStringLiteral("%1年%2月%3日 (%4)")
        .arg(QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')),
             twoDigits(date.month()), twoDigits(date.day()),
             weekdays[static_cast<std::size_t>(date.dayOfWeek() - 1)]);
}

QString ClockFormat::time(QTime time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2:%3(%4)")
        .arg(QString::number(hour12), twoDigits(time.minute()), twoDigits(time.second()),
             time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

int ClockFormat::msUntilNextTick(QTime now)
{
    const int untilBoundary = 1000 - now.msec() + boundaryMargin;
    return untilBoundary < 500 ? untilBoundary + 1000 : untilBoundary;
}
