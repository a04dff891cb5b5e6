// The clock fields, taken from the local broken-down time. tm_hour is the wall-clock
// hour, daylight-saving shift included, so the clock agrees with the system's clock
// all year round.
#include "tables.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <time.h>

namespace {

// With TZ unset the C library reads the system's zone file once, at the first local
// breakdown, so a zone set while velkar runs (a laptop that travels) would show only after a
// restart. The file is looked at again when the wall clock has turned to another second or a
// second has passed on the monotonic clock (a stopped or set-back wall clock): one stat about
// once a second, and the zone is read again only when the file is another one or was
// rewritten. A zone named by TZ is the user's choice and stays.
constexpr const char *kSystemZoneFile = "/etc/localtime";

using FileStatus = struct stat;

long long nanoseconds(const timespec &t)
{
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

bool sameFile(const FileStatus &a, const FileStatus &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

void followSystemZone(long long wallSecond)
{
    static long long checkedSecond = LLONG_MIN;
    static long long checkedAt = 0; // ns on the monotonic clock
    static FileStatus seen{};
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (wallSecond == checkedSecond && nanoseconds(now) - checkedAt < 1000000000LL)
        return;
    checkedSecond = wallSecond;
    checkedAt = nanoseconds(now);
    if (std::getenv("TZ"))
        return;
    FileStatus file{};
    if (stat(kSystemZoneFile, &file) != 0)
        file = {};
    if (!sameFile(file, seen)) {
        seen = file;
        tzset();
    }
}

} // namespace

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
    followSystemZone(second);
    std::tm local{};
    // With no local breakdown the clocks show a fixed 00:00:00 rather than fields computed
    // from an unset struct tm.
    if (!localtime_r(&second, &local))
        return {{0, 0, 0, 0}, second, now.tv_nsec};
    return {clockFields(local), second, now.tv_nsec};
}
