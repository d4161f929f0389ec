#include "LargeBlocks.h"

#include <cstdlib> // names the C library, for the test below

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void LargeBlocks::inOwnPages()
{
#if defined(__GLIBC__)
    // Once set, it no longer rises.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}
