#pragma once

#include <array>
#include <string_view>

#include "model/records.h"

namespace tess {

// The ten arrangements a charge can be repeated in.
enum class MotifPattern : Long {
    Pal = 1,
    Fasce,
    Bande,
    Barre,
    Chevron,
    Pairle,
    Croix,
    Sautoir,
    Carre,
    Cercle,
};
inline constexpr int kMotifPatternCount = 10;
inline constexpr int kMaxExtraPerBranch = 5;
inline constexpr int kMaxMotifKeys = 5;
inline constexpr int kMaxMotifExtras = 20;  // five extras on each of four branches

// The arrangement being chosen and what the engine makes of it. Run-long and
// outside the document: neither saved nor copied by undo.
//
// The caller sets `Pattern`, `ExtraPerBranch`, the area centre (element 0 of
// `CopyX`/`CopyY`) and `AreaSize`; `ComputeMotifLayout` fills the rest. Every
// position is the centre of a copy in shield pixels. Elements above `KeyCount`
// and above `ExtraPerBranch` x `BranchCount` keep whatever earlier calls left.
struct MotifLayout {
    MotifPattern Pattern = MotifPattern::Pal;
    Byte KeyCount = 0;
    Byte ExtraPerBranch = 0;  // 0..5
    Byte BranchCount = 0;
    std::array<Integer, kMaxMotifExtras + 1> CopyX{};  // 0: area centre, 1..: extras
    std::array<Integer, kMaxMotifExtras + 1> CopyY{};
    std::array<Integer, kMaxMotifKeys + 1> KeyX{};  // 1..KeyCount
    std::array<Integer, kMaxMotifKeys + 1> KeyY{};
    Integer AreaSize = 132;  // side of the square area
};

// The key points and extra copies of the layout's pattern, exactly as the
// arrangement's formulas give them: spacings and corners rounded half to even,
// offsets k x s added in whole numbers. Every stored value is brought into the
// 16-bit range, so an area dragged far off the shield cannot overflow a
// record. A pattern outside 1..10 changes nothing.
void ComputeMotifLayout(MotifLayout& layout);

// The copies an applied arrangement adds besides the charge itself (which takes
// the first key point): the other keys and every extra.
int MotifCopyCount(const MotifLayout& layout);

// The name the pattern grid shows ("En Pal"...) and the group's blazon phrase
// ("d'un pal"...); empty for a code outside 1..10.
std::string_view MotifPatternName(MotifPattern pattern);
std::string_view MotifPatternPhrase(MotifPattern pattern);

}  // namespace tess
