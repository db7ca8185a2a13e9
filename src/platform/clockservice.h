#pragma once

#include <QDateTime>

// The current local date and time.
class ClockService {
public:
    virtual ~ClockService() = default;
    virtual QDateTime now() const = 0;
};
