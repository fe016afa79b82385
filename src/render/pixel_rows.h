#pragma once

#include <cstdint>
#include <cstring>

#include "platform/colour.h"
#include "platform/pixels4.h"
#include "platform/surface.h"

namespace tess {

// d[i] := c for i in [0, n).
inline void fillRow(Colour* d, int n, Colour c) {
    const Pixels4 c4 = all4(c);
    int i = 0;
    for (; i + 4 <= n; i += 4) store4(d + i, c4);
    for (; i < n; ++i) d[i] = c;
}

// Every pixel of `s` in `c` (or its own background).
inline void fillSurface(Surface& s, Colour c) {
    fillRow(s.data(), s.width() * s.height(), c);
}
inline void clearSurface(Surface& s) {
    fillSurface(s, s.background());
}

// Whether any lane of `v` is not zero, read as two 64-bit halves: one OR
// where the four lanes would take three shuffles.
inline bool anyLane(Pixels4 v) {
    using Halves = std::uint64_t __attribute__((vector_size(16)));
    const Halves h = (Halves)v;
    return (h[0] | h[1]) != 0;
}

// How many of p[0..n) equal c from the first on. The shield's runs are long:
// eight pixels a step while they last.
inline int sameRun(const Colour* p, int n, Colour c) {
    const Pixels4 c4 = all4(c);
    int i = 0;
    while (i + 8 <= n && !anyLane((load4(p + i) ^ c4) | (load4(p + i + 4) ^ c4))) i += 8;
    while (i + 4 <= n && !anyLane(load4(p + i) ^ c4)) i += 4;
    while (i < n && p[i] == c) ++i;
    return i;
}

// The transparent stamp of one row: d[i] := (d[i] AND m[i]) XOR p[i].
inline void andXorRow(Colour* d, const Colour* m, const Colour* p, int n) {
    int i = 0;
    for (; i + 4 <= n; i += 4) store4(d + i, (load4(d + i) & load4(m + i)) ^ load4(p + i));
    for (; i < n; ++i) d[i] = (d[i] & m[i]) ^ p[i];
}

// Whether any of p[0..n) is not black.
inline bool anyColour(const Colour* p, int n) {
    Pixels4 any = all4(0);
    int i = 0;
    for (; i + 4 <= n; i += 4) any |= load4(p + i);
    Colour rest = any[0] | any[1] | any[2] | any[3];
    for (; i < n; ++i) rest |= p[i];
    return rest != 0;
}

// d[i] := d[i] XOR p[i].
inline void xorRow(Colour* d, const Colour* p, int n) {
    int i = 0;
    for (; i + 4 <= n; i += 4) store4(d + i, load4(d + i) ^ load4(p + i));
    for (; i < n; ++i) d[i] ^= p[i];
}

}  // namespace tess
