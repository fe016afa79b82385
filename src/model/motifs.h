#pragma once

#include <array>
#include <string>

#include "model/records.h"

namespace tess {

struct Workspace;

inline constexpr int kMotifCount = 100;

// One charge group: the charges laid out together by an arrangement, moved and
// resized as one, blazoned with the arrangement's phrase.
struct MotifRecord {
    Integer InUse = 0;
    std::string Phrase;
    Byte Count = 0;
    std::array<Byte, kMotifCount + 1> Members{};  // 1..100: charge numbers, 0 empty
};

// Groups live beside the document, not in it: undo does not bring them back
// and documents do not store them.
struct MotifTable {
    std::array<MotifRecord, kMotifCount + 1> Motifs{};  // 1..100
    Byte MotifCounter = 0;                              // the group last created, 0 after a reset
};

// Group numbers are 1..100 and charge numbers 1..50; 0 means none. Numbers out
// of range are treated as none.

// The next group after the last one created, made live and empty (its phrase
// is left to the caller). A group still in use, or named by a charge of the
// document, is never taken over: the search goes on round the table, then falls
// back on a live group that no charge of the document names any more (fifty
// charges cannot name a hundred groups).
Byte NewMotif(Workspace& ws);

// Adds the charge to the group's first empty place and names the group in the
// charge's record; returns the packed member count. 0, changing nothing, when
// either number is 0 or the charge is already a member; with all 100 places
// taken nothing is added and the packed count is returned.
Byte AddChargeToMotif(Workspace& ws, int group, int charge);

// Packs the members to the front in their order and stores the count; a group
// left without members is released. Returns the count.
Byte CompactMotif(Workspace& ws, int group);

// Takes the charge out of the group, clears the charge's group number, packs.
Byte RemoveChargeFromMotif(Workspace& ws, int group, int charge);

// Empties the group record; the charges keep their group number (callers clear
// them).
void ClearMotif(Workspace& ws, int group);

// Shifts members 1..Count by (dx, dy) and gives each the size width x height
// (the document counts as changed when one moved). Callers compact the group
// first.
void MoveMotifCharges(Workspace& ws, int group, int dx, int dy, int height, int width);

}  // namespace tess
