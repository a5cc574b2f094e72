// Whether the byte scans use the processor's 16-byte compares. Configuring with QUILLON_PORTABLE=ON turns them
// off, so the portable loops that other processors run are built and tested here too.
#pragma once

#if defined(__SSE2__) && !defined(QUILLON_PORTABLE)
#define QUILLON_SSE2 1
#include <emmintrin.h>
#else
#define QUILLON_SSE2 0
#endif
