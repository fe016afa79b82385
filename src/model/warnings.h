#pragma once

#include <array>

#include "model/records.h"

namespace tess {

inline constexpr int kMaxWarnings = 25;

// Warning kinds as `WarningEntry.Kind` stores them.
inline constexpr Long kWarnChargeOnItsTincture = 2;  // Item: the charge
inline constexpr Long kWarnNeighbourPartsAlike = 5;  // Item: the two parts' digits, as 12
inline constexpr Long kWarnChargeOffShield = 7;      // Item: the charge

// One tincture-rule warning.
struct WarningEntry {
    Long Kind = 0;
    Long Item = 0;
};

// Entry 0 is the header: its Item is the count (0..25).
struct WarningList {
    std::array<WarningEntry, kMaxWarnings + 1> Entries{};
    Long count() const { return Entries[0].Item; }
    void clear() { Entries[0].Item = 0; }
};

// Records one warning; past 25 the new one is dropped.
inline void AddWarning(WarningList& list, Long kind, Long value) {
    if (list.Entries[0].Item >= kMaxWarnings) return;
    ++list.Entries[0].Item;
    list.Entries[list.Entries[0].Item] = WarningEntry{kind, value};
}

}  // namespace tess
