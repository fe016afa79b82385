#pragma once

#include <malloc.h>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count: under it, malloc's statistics stay empty.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes the program holds on the heap now (what a leak adds to), not what
// the allocator keeps in reserve.
inline std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
#endif
}
