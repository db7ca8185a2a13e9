#pragma once

#include "platform/clockservice.h"

class SystemClock final : public ClockService {
public:
    QDateTime now() const override;

    // Holds no state, so one instance serves every window.
    static const SystemClock& shared();
};
