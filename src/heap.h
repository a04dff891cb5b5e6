// How the C library's allocator hands memory back to the system.
#pragma once

// Keeps freed heap memory in the process instead of returning it after every frame (glibc;
// elsewhere it does nothing).
// Call once, first thing in main, before any thread or library allocates.
void tuneHeapForFrames();

// The thresholds it sets. The bench replays velkar's GL stream with the same ones.
constexpr int kHeapMmapThreshold = 32 * 1024 * 1024; // the largest glibc accepts
constexpr int kHeapTrimThreshold = 64 * 1024 * 1024;
