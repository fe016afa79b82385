#pragma once

namespace tess {

class DocumentSession;

// "Insérer un blason" for part 1..4 or the first-order zone (7): the document
// is chosen in the open dialog, a missing preview beside it looked for, and
// the coat of arms shown in the part; a refusal is told.
void insertArms(DocumentSession& session, int part);

}  // namespace tess
