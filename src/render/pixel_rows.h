#pragma once

#include <cstring>

#include "platform/colour.h"
#include "platform/surface.h"

namespace tess {

// Four pixels at a time in the compiler's generic vectors: SIMD where the
// target has it, plain code where it has not. The build does not let the
// compiler vectorise loops of unknown length by itself, so the loops over
// whole rows are written four pixels a step here, each select spelled as
// AND/OR of comparison masks, so the rows carry no branch per pixel.
using Pixels4 = Colour __attribute__((vector_size(16)));

inline Pixels4 load4(const Colour* p) {
    Pixels4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void store4(Colour* p, Pixels4 v) {
    std::memcpy(p, &v, sizeof v);
}
inline Pixels4 all4(Colour c) {
    return Pixels4{c, c, c, c};
}
// All ones in each lane where a == b, zero elsewhere.
inline Pixels4 equal4(Pixels4 a, Pixels4 b) {
    return (Pixels4)(a == b);
}
// `yes` where the lane of `mask` is all ones, `no` where it is zero.
inline Pixels4 select4(Pixels4 mask, Pixels4 yes, Pixels4 no) {
    return (mask & yes) | (~mask & no);
}

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

// How many of p[0..n) equal c from the first on.
inline int sameRun(const Colour* p, int n, Colour c) {
    const Pixels4 c4 = all4(c);
    int i = 0;
    while (i + 4 <= n) {
        const Pixels4 differ = load4(p + i) ^ c4;
        if ((differ[0] | differ[1] | differ[2] | differ[3]) != 0) break;
        i += 4;
    }
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
