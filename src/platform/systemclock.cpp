#include "platform/systemclock.h"

QDate SystemClock::Date() const
{
    return QDate::currentDate();
}

QTime SystemClock::Time() const
{
    return QTime::currentTime();
}

const SystemClock& SystemClock::shared()
{
    static const SystemClock clock;
    return clock;
}
