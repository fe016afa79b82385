#pragma once

#include <array>
#include <string>

#include "model/records.h"

namespace tess {

inline constexpr int kMotifCount = 100;

// One charge group.
struct MotifRecord {
    Integer InUse = 0;
    std::string Phrase;
    Byte Count = 0;
    std::array<Byte, kMotifCount + 1> Members{};  // 1..100
};

struct MotifTable {
    std::array<MotifRecord, kMotifCount + 1> Motifs{};  // 1..100
    Byte MotifCounter = 0;
};

}  // namespace tess
