// The held charge's "Créer un motif": the distribution dialog, then the applying.
#include "editor/charge_arrangement_command.h"

#include <QRect>

#include "actions/charge_arrangement.h"
#include "dialogs/dialog_host.h"
#include "dialogs/distribution_dialog.h"
#include "dialogs/message_layer.h"
#include "editor/document_session.h"
#include "editor/held_charge_state.h"
#include "editor/held_charge_tool.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/charge_recolouring.h"
#include "render/renderer.h"
#include "widgets/busy_pointer.h"

namespace tess {

bool canArrangeHeldCharge(const DocumentSession& session) {
    const int n = session.held().heldCharge();
    return n >= 1 && n <= kChargeCount && chargePicture(session.ws(), n) != nullptr;
}

void arrangeHeldCharge(DocumentSession& session, DialogHost& dialogs, HeldChargeTool& tool) {
    if (!canArrangeHeldCharge(session)) return;
    const HeldChargeState& held = session.held();
    Workspace& ws = session.ws();
    Renderer& r = session.r();
    const int n = held.heldCharge();
    if (!refreshChargeLayers(ws, r.Charges, n)) return;
    const ChargeRecord& c = ws.CurrentBlazon.Charges[n];
    // The charge and its copies take the size the overlay shows it at.
    // Rounded half to even, as every commit of the overlay's box is.
    const QRectF box = held.isHolding() ? held.box() : QRectF(c.X, c.Y, c.Width, c.Height);
    const ArrangedCharge charge{n, CInt(box.width()), CInt(box.height())};

    // The dialog gets pictures, not the document: the canvas (one 265 x 340
    // copy) and the charge's mask and working picture.
    DistributionSubject subject{.canvas = r.canvas,
                                .mask = r.Charges.bank(c.ImageIndex).mask,
                                .picture = r.Charges.workingPicture(n),
                                .width = charge.width,
                                .height = charge.height,
                                .mirrored = c.Mirrored != 0};
    auto& dialog = dialogs.get<ChargeDistributionDialog>();
    dialog.open(std::move(subject), dialogs.state<ChargeDistributionDialog>(),
                [&session, &tool, charge](const std::optional<MotifLayout>& layout) {
                    if (!layout) return;
                    BusyPointer busy;
                    const auto joinGroup = [&session] {
                        return session.messages().messageBox(
                                   QString::fromUtf8(kGroupQuestionText), kStyleYesNo,
                                   QString::fromUtf8(kGroupQuestionTitle)) == MessageAnswer::Yes;
                    };
                    const EditOutcome outcome =
                        ApplyMotif(session.ws(), session.r(), charge, *layout, joinGroup);
                    // The charge now lies on the shield with its copies.
                    if (outcome) tool.end();
                    session.show(outcome);
                });
}

}  // namespace tess
