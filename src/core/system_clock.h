#pragma once

#include "clock.h"

class SystemClock : public Clock {
public:
    QDateTime now() const override;
};
