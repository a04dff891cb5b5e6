// When the clocks' repaint timer fires next. Plain arithmetic on wall-clock readings and a
// monotonic millisecond count, so it is tested without a timer or a window.
#pragma once

namespace model {

// The timer waits for a new second to begin, but never longer than this after it was armed:
// a wall clock that has stopped or been set back still gets a frame about once a second.
constexpr int kLongestWaitMs = 1050;

// From a reading `nanos` into its second to just past the start of the next one: the rest of
// the second rounded up to whole milliseconds, and one more.
int msToNextSecond(long nanos);

// What the timer was armed from: the wall-clock reading and the monotonic time of arming.
struct TimerArm {
    long long second;
    long nanos;
    long long tick; // ms
};

// What the timer does when it fires with the wall clock at (second, nanos) and the monotonic
// clock at tick: repaint, or wait waitMs more because the new second has not begun yet.
struct TimerStep {
    bool repaint;
    int waitMs;
};
TimerStep stepOnTimer(const TimerArm &arm, long long second, long nanos, long long tick);

} // namespace model
