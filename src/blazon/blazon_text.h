#pragma once

#include <string>

#include "model/records.h"
#include "model/workspace.h"

namespace tess {

// The French blazon of the current document: the field, the second-order
// piece, the first-order piece, then the charges set over everything. Reads the
// charge lists and placements of the last redraw; raises the warnings of
// charges of the same émail as their part into `ws.Warnings`.
std::string BuildBlazonText(Workspace& ws);

// The charges listed on zone `part` (1..7), grouped by picture and tincture,
// each group followed by ", "; the empty text when the zone holds none. Raises
// a warning for every listed charge of the same émail as the part it rests on.
std::string BuildPartChargesPhrase(Workspace& ws, Byte part);

}  // namespace tess
