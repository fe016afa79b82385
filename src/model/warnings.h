#pragma once

#include <array>

#include "model/records.h"

namespace tess {

inline constexpr int kMaxWarnings = 25;

// One tincture-rule warning: kind 2 (charge on a part of its émail), 5 (two
// neighbouring parts of one émail), 7 (charge mostly off the shield).
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
