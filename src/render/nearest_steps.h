#pragma once

#include <cstdint>

namespace tess {

// The source index a nearest-pixel stretch picks for destination index k,
// floor(k * source / dest), for k, then k + 1, k + 2, ... (`up`) or k - 1,
// k - 2, ... (`down`). The quotient and remainder are carried from one index
// to the next: a 64-bit division per index costs tens of cycles, more than
// the pixel or the row it picks. The values are exactly those of the
// division, for k >= 0, source >= 0 and dest > 0.
class NearestSteps {
  public:
    NearestSteps(std::int64_t k, std::int64_t source, std::int64_t dest)
        : quotient_(k * source / dest),
          remainder_(k * source % dest),
          whole_(source / dest),
          part_(source % dest),
          dest_(dest) {}

    int value() const { return int(quotient_); }
    void up() {
        quotient_ += whole_;
        remainder_ += part_;
        if (remainder_ >= dest_) remainder_ -= dest_, ++quotient_;
    }
    void down() {
        quotient_ -= whole_;
        remainder_ -= part_;
        if (remainder_ < 0) remainder_ += dest_, --quotient_;
    }
    void step(bool falling) { falling ? down() : up(); }

  private:
    std::int64_t quotient_, remainder_, whole_, part_, dest_;
};

}  // namespace tess
