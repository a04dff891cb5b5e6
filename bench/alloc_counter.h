// Counts heap allocations made while armed, with the call stack of each, and tells whose
// code asked for them: the program's own, the toolkit's, or the GL driver's.
#pragma once

#include <cstdio>

namespace alloccount {

void arm();
void disarm();
// One summary line "allocations ..." and, for the program's own allocations, one line
// per call site.
void report(std::FILE *out, int frames);
// The number of allocations the program's own code made while armed.
long programAllocations();

} // namespace alloccount
