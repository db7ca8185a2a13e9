#pragma once

#include <QDate>
#include <QTime>

// The current local date and time, read separately.
class ClockService {
public:
    virtual ~ClockService() = default;
    virtual QDate Date() const = 0;
    virtual QTime Time() const = 0;
};
