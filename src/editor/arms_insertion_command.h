#pragma once

namespace tess {

struct EditorContext;

// "Insérer un blason" for part 1..4 or the first-order zone (7): the document
// is chosen in the open dialog, a missing preview beside it looked for, and
// the coat of arms shown in the part; a refusal is told.
void insertArms(const EditorContext& context, int part);

}  // namespace tess
