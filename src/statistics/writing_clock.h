#pragma once

#include <QString>

struct SessionState;

// The writing time of a run: one second for every tick of the one-second timer while writing mode
// is on. Ticks are counted, not the clock read, so a tick the busy program drops is not made up.
class WritingClock {
public:
    explicit WritingClock(SessionState &state);

    // One tick. Returns true when writing mode is on and the time went on.
    bool tick(bool writing);

    // "你已经连续书写：" and the time as hh:mm:ss, each number cut to its last two digits.
    QString statusText() const;

    // An hour of writing has been reached in this run: the daily 60-minute mark is due.
    bool hourReached() const;

    static QString twoDigits(int value);

private:
    SessionState &state_;
};
