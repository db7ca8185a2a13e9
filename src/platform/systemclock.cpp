#include "platform/systemclock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

const SystemClock& SystemClock::shared()
{
    static const SystemClock clock;
    return clock;
}
