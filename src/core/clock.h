#pragma once

#include <QDateTime>

// The local date and time. Tests fix it (a Saturday, a Sunday, 11 January vs 1 November).
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
