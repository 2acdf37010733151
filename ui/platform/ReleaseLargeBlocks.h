#pragma once

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ui {

// Long flights allocate point lists of many megabytes. glibc raises its mmap threshold after the
// first such block is freed, so later ones come from the heap and are never given back; fixing
// the threshold at 1 MiB keeps the peak memory of a long flight near what it really uses.
inline void releaseLargeBlocksToTheSystem() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}

} // namespace ui
