#pragma once

#include <cstring>

#include "platform/colour.h"

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

}  // namespace tess
