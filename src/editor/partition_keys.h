#pragma once

#include "model/records.h"

class QKeyEvent;

namespace tess {

// The partition a Ctrl key on the canvas chooses, 0 for none: the digit row
// by its place on the keyboard (French keyboards included), and Backspace,
// Insert, Home and Page Up for the four mixed partitions. The keypad chooses
// nothing.
Long partitionOfKey(const QKeyEvent& e);

}  // namespace tess
