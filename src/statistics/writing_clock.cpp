#include "statistics/writing_clock.h"

#include "core/session_state.h"

WritingClock::WritingClock(SessionState &state)
    : state_(state)
{
}

bool WritingClock::tick(bool writing)
{
    if (!writing)
        return false;
    if (++state_.writingSeconds == 60) {
        state_.writingSeconds = 0;
        ++state_.writingMinutes;
    }
    if (state_.writingMinutes == 60) {
        state_.writingMinutes = 0;
        ++state_.writingHours;
    }
    return true;
}

QString WritingClock::twoDigits(int value)
{
    return (QStringLiteral("0") + QString::number(value)).right(2);
}

QString WritingClock::statusText() const
{
    return QStringLiteral("你已经连续书写：") + twoDigits(state_.writingHours) + QLatin1Char(':')
        + twoDigits(state_.writingMinutes) + QLatin1Char(':') + twoDigits(state_.writingSeconds);
}

bool WritingClock::hourReached() const
{
    return state_.writingHours >= 1;
}
