// The clocks' repaint timer runs on the monotonic clock and the clocks show the wall clock,
// which the system may slew or set. The timer is aimed from a wall-clock reading and checks
// the wall clock again when it fires, so a frame never shows the second it was meant to leave.
#include "repaint.h"

#include <algorithm>

namespace {

constexpr long kNanosPerSecond = 1000000000L;
constexpr long kNanosPerMs = 1000000L;
constexpr int kPastTheSecondMs = 1;

} // namespace

int model::msToNextSecond(long nanos)
{
    const long into = std::clamp(nanos, 0L, kNanosPerSecond - 1);
    const long rest = kNanosPerSecond - into;
    return int((rest + kNanosPerMs - 1) / kNanosPerMs) + kPastTheSecondMs;
}

model::TimerStep model::stepOnTimer(const TimerArm &arm, long long second, long nanos,
                                    long long tick)
{
    // Any other second than the one armed from is news: the next one, or the clock was set.
    if (second != arm.second)
        return {true, 0};
    const long long waited = tick - arm.tick;
    if (waited >= kLongestWaitMs)
        return {true, 0};
    const int rest = int(kLongestWaitMs - waited);
    // A wall clock that kept up with at least half the real time is running and the timer
    // came early (clock slew); one that did not has stopped and only the longest wait is left.
    const long long advancedMs = (nanos - arm.nanos) / kNanosPerMs;
    if (2 * advancedMs >= waited)
        return {false, std::min(msToNextSecond(nanos), rest)};
    return {false, rest};
}
