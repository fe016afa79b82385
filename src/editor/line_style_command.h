#pragma once

#include "actions/piece_commands.h"

namespace tess {

class DocumentSession;
class DialogHost;

// The line-style window for one edge (the partition's, or a piece's): each
// "Appliquer" shows the style without an undo step, "Ok" stores it with one,
// "Annuler" redraws what is stored.
void editLineStyle(DocumentSession& session, DialogHost& dialogs, EdgeLine edge);

}  // namespace tess
