#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The texts of the date and time labels, and when the clock should tick next.
// Weekday names come from a fixed table, never from the machine's locale.
class ClockFormat {
public:
    // "yyyy年mm月dd日 (aaaa)", e.g. 2004年12月02日 (木曜日).
    static QString date(QDate date);
    // "h:mm:ss(AM/PM)", e.g. 3:04:05(PM); hour 12 at midnight and noon.
    static QString time(QTime time);
    // Milliseconds until just after the next second boundary, at least half a second away, so
    // that a tick that came late never makes the seconds shown jump by two.
    static int msUntilNextTick(QTime now);
};
