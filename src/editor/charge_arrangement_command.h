#pragma once

namespace tess {

class DocumentSession;
class DialogHost;
class HeldChargeTool;

// "Créer un motif" on the held charge: the distribution dialog opens on the
// shield as it stands, showing the charge at the overlay's size; its "Ok"
// applies the arrangement (asking about the charge's group when it has one),
// lets go of the held charge and shows the result. Nothing happens without a
// held charge that has a picture in the bank.
void arrangeHeldCharge(DocumentSession& session, DialogHost& dialogs, HeldChargeTool& tool);

// Whether the held charge can be arranged (a charge held, its picture in the bank).
bool canArrangeHeldCharge(const DocumentSession& session);

}  // namespace tess
