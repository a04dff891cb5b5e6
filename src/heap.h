// How the C library's allocator hands memory back to the system.
#pragma once

// Keeps freed heap memory in the process instead of returning it after every frame (glibc;
// elsewhere it does nothing).
// Call once, first thing in main, before any thread or library allocates.
void tuneHeapForFrames();
