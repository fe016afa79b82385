#pragma once

namespace tess {

// A charge's box on the hit map: columns Left..Right-1, rows Top..Bottom-1.
struct HitBox {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const HitBox&) const = default;
};

}  // namespace tess
