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

model::ClockFields model::currentClockFields()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    // With no clock or no local breakdown the clocks show a fixed 00:00:00 rather than
    // fields computed from an unset struct tm.
    if (now == std::time_t(-1) || !localtime_r(&now, &local))
        return {0, 0, 0, 0};
    return clockFields(local);
}
