// The held charge's "Créer un motif": the distribution dialog, then the applying.
#include "editor/charge_arrangement_command.h"

#include <QRect>

#include "actions/charge_arrangement.h"
#include "dialogs/dialog_host.h"
#include "dialogs/distribution_dialog.h"
#include "dialogs/message_layer.h"
#include "editor/charge_overlay.h"
#include "editor/editor_context.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/charge_recolouring.h"
#include "render/renderer.h"
#include "widgets/busy_pointer.h"

namespace tess {

bool canArrangeHeldCharge(const EditorContext& context) {
    const int n = context.ws.SelectedCharge;
    return n >= 1 && n <= kChargeCount && chargePicture(context.ws, n) != nullptr;
}

void arrangeHeldCharge(const EditorContext& context, DialogHost& dialogs, ChargeOverlay& overlay) {
    if (!canArrangeHeldCharge(context)) return;
    Workspace& ws = context.ws;
    Renderer& r = context.r;
    const int n = ws.SelectedCharge;
    if (!refreshChargeLayers(ws, r.Charges, n)) return;
    const ChargeRecord& c = ws.CurrentBlazon.Charges[n];
    // The charge and its copies take the size the overlay shows it at.
    // Rounded half to even, as every commit of the overlay's box is.
    const QRectF box = overlay.isShown() ? overlay.box() : QRectF(c.X, c.Y, c.Width, c.Height);
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
                [context, charge, &overlay](const std::optional<MotifLayout>& layout) {
                    if (!layout) return;
                    BusyPointer busy;
                    const auto joinGroup = [&context] {
                        return context.messages.messageBox(
                                   QString::fromUtf8(kGroupQuestionText), kStyleYesNo,
                                   QString::fromUtf8(kGroupQuestionTitle)) == MessageAnswer::Yes;
                    };
                    const EditOutcome outcome =
                        ApplyMotif(context.ws, context.r, charge, *layout, joinGroup);
                    // The charge now lies on the shield with its copies.
                    if (outcome) overlay.end();
                    context.show(outcome);
                });
}

}  // namespace tess
