#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The texts of the date and time labels, and when the clock should tick next.
class ClockFormat {
public:
    // "yyyy年mm月dd日 (aaaa)", e.g. 2004年12月02日 (木曜日), whatever the machine's language.
    static QString date(QDate date);
    // "h:mm:ss(AM/PM)", e.g. 3:04:05(PM); hour 12 at midnight and noon.
    static QString time(QTime time);
    // Milliseconds until just after the next second boundary, so that each tick, even a late
    // one, shows the second after the one before it.
    static int msUntilNextTick(QTime now);
};
