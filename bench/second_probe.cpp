// The floor for the clock's lag: a bare process that sleeps until 1 ms past each wall-clock
// second, as velkar's repaint timer aims to, and writes "wake <ns> <second>" (CLOCK_REALTIME)
// each time it wakes. A stall of the whole machine shows here as it does in velkar's frames.
//   second_probe SECONDS
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(int argc, char **argv)
{
    const long seconds = argc > 1 ? atol(argv[1]) : 0;
    if (seconds <= 0) {
        fprintf(stderr, "usage: second_probe SECONDS\n");
        return 2;
    }
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    const time_t end = now.tv_sec + seconds;
    while (now.tv_sec < end) {
        const timespec target = {now.tv_sec + 1, 1000000};
        while (clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &target, nullptr) == EINTR) {
        }
        clock_gettime(CLOCK_REALTIME, &now);
        printf("wake %lld %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec,
               static_cast<long long>(now.tv_sec));
        fflush(stdout);
    }
    return 0;
}
