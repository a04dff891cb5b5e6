// The clock fields, taken from the local broken-down time. tm_hour is the wall-clock
// hour, daylight-saving shift included, so the clock agrees with the system's clock
// all year round.
#include "tables.h"

#include <algorithm>
#include <time.h>

model::ClockFields model::clockFields(const std::tm &local)
{
    // A leap second (tm_sec 60) shows as :59, so the digits and the second hand stay
    // on their 0-59 dial.
    const int sec = std::min(local.tm_sec, 59);
    const int min = local.tm_min;
    const int hou = local.tm_hour;
    // One hour-hand step per 12 minutes, 60 steps per 12 hours.
    const int min12 = (hou % 12) * 5 + min / 12;
    return {sec, min, min12, hou};
}

model::ClockReading model::readClock()
{
    // The second and its fraction come from one reading: time() may still give the old
    // second for a moment after the precise clock has turned.
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0)
        return {{0, 0, 0, 0}, 0, 0};
    const std::time_t second = now.tv_sec;
    std::tm local{};
    // With no local breakdown the clocks show a fixed 00:00:00 rather than fields computed
    // from an unset struct tm.
    if (!localtime_r(&second, &local))
        return {{0, 0, 0, 0}, second, now.tv_nsec};
    return {clockFields(local), second, now.tv_nsec};
}
