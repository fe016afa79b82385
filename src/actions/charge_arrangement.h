#pragma once

#include <functional>

#include "actions/edit_outcome.h"
#include "model/motif_layout.h"

namespace tess {

struct Workspace;
class Renderer;

inline constexpr const char* kArrangementTitle = "Répartition des meubles";
inline constexpr const char* kArrangementTooManyText =
    "Pas assez de place pour tous ces meubles: cette répartition dépasserait le maximum de "
    "cinquante meubles sur le blason!";
inline constexpr const char* kGroupQuestionTitle = "Regroupements";
inline constexpr const char* kGroupQuestionText =
    "Ce meuble appartient déjà à un regroupement. Désirez-vous ajouter les nouveaux meubles à ce "
    "regroupement? Sinon, un nouveau regroupement sera créé.";

// The charge an arrangement starts from, as the window holds it: its number
// and the size it is shown at (the overlay's, rounded half to even), which
// the charge and every copy take.
struct ArrangedCharge {
    int number = 0;
    int width = 0;
    int height = 0;
};

// Whether the new copies join the group the charge already belongs to ("Oui"
// to the group question). Asked only when the charge is in a live group.
using JoinGroupQuestion = std::function<bool()>;

// Applies a computed arrangement as one edit: the charge moves to the first
// key point at its shown size, one copy goes into each of the lowest free
// records for every other key point and every extra (each with its own
// working picture and recolouring layers, copied from the charge), all join
// one group blazoned with the pattern's phrase, the held charge is let go and
// the shield redrawn. The undo step records the charge in use where it was
// picked up, so undo gives back the one charge.
//
// Refused, with nothing changed (not even the undo stack), when fewer records
// are free than copies are needed (the charge's own record not counted), when
// the copies' layers would take the document past its picture budget
// (model/picture_budget.h), or when the charge has no picture: not done, with
// the exclamation box to show in the outcome for the first two. The document
// is marked modified; the window lets go of its held charge.
EditOutcome ApplyMotif(Workspace& ws, Renderer& r, const ArrangedCharge& charge,
                       const MotifLayout& layout, const JoinGroupQuestion& joinExistingGroup);

}  // namespace tess
