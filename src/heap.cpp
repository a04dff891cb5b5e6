#include "heap.h"

#include <cstdlib> // before the test below: it defines __GLIBC__ with glibc
#include <cstring>

// The thresholds are glibc's; with another C library there is nothing to tune.
#ifdef __GLIBC__

#include <malloc.h>

namespace {

// A threshold given in GLIBC_TUNABLES is the user's choice (the soak test fixes both low to
// watch for leaks) and is left as it is.
bool tunedByUser(const char *tunable)
{
    const char *tunables = std::getenv("GLIBC_TUNABLES");
    return tunables && std::strstr(tunables, tunable);
}

} // namespace

// Every antialiased frame makes Mesa's llvmpipe allocate and free upload buffers of about a
// megabyte. With glibc's default thresholds each free at the top of the heap trimmed those
// pages back to the system and the next draw faulted them in again: about 3000 page faults
// per frame, most of the frame's time. Fixed thresholds keep freed memory for reuse (the
// dynamic ones are also disabled by setting them).
void tuneHeapForFrames()
{
    if (!tunedByUser("glibc.malloc.mmap_threshold"))
        mallopt(M_MMAP_THRESHOLD, kHeapMmapThreshold);
    if (!tunedByUser("glibc.malloc.trim_threshold"))
        mallopt(M_TRIM_THRESHOLD, kHeapTrimThreshold);
}

#else

void tuneHeapForFrames() {}

#endif
