#pragma once

class QMenu;

namespace tess {

struct EditorContext;
class DialogHost;
class ChargeOverlay;

// "Créer un motif" on the held charge: the distribution dialog opens on the
// shield as it stands, showing the charge at the overlay's size; its "Ok"
// applies the arrangement (asking about the charge's group when it has one),
// lets go of the overlay and shows the result. Nothing happens without a held
// charge that has a picture in the bank.
void arrangeHeldCharge(const EditorContext& context, DialogHost& dialogs, ChargeOverlay& overlay);

// Whether the held charge can be arranged (a charge held, its picture in the bank).
bool canArrangeHeldCharge(const EditorContext& context);

}  // namespace tess
