// Putting a charge on the shield and recolouring it.
#include "actions/charge_placing.h"

#include <algorithm>

#include "actions/apply_edit.h"
#include "actions/bank_slots.h"
#include "actions/budget_messages.h"
#include "model/document.h"
#include "model/motifs.h"
#include "model/picture_budget.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "platform/rounding.h"
#include "render/charge_recolouring.h"
#include "render/charge_surfaces.h"

namespace tess {

namespace {

Integer wholePixel(double v) {
    return Integer(std::clamp<double>(CInt(v), -32768, 32767));
}

// A free record may still hold a charge dragged off the canvas (or one an undo
// took away): its tincture, size, mirroring and group would pass to the new
// charge, and its old arrangement would go on moving it. It starts blank and
// leaves every group that lists it.
void startBlank(Workspace& ws, int n) {
    for (int g = 1; g <= kMotifCount; ++g) {
        const auto& members = ws.Groups.Motifs[g].Members;
        if (std::find(members.begin() + 1, members.end(), Byte(n)) != members.end())
            RemoveChargeFromMotif(ws, g, n);
    }
    ws.CurrentBlazon.Charges[n] = ChargeRecord{};
}

}  // namespace

FileMessage chargesFullMessage() {
    return FileMessage::exclamation("Ajouter une image",
                                    "Le maximum d'images insérables est atteint!");
}

bool AddCharge(Workspace& ws, ChargeSurfaces& surfaces, const OverlayBox& overlay, int slot,
               FileMessage* refusal) {
    BlazonRecord& blazon = ws.CurrentBlazon;
    const int n = (slot >= 1 && slot <= kChargeCount) ? slot : firstFreeCharge(blazon);
    if (n == 0) {
        passRefusal(refusal, chargesFullMessage());
        return false;
    }
    // The picture is found or imported before the record changes, so a bank
    // that refuses it leaves the document and the undo stack as they were.
    const std::string fileName = FileNameOfPath(overlay.Tag);
    int picture = findBankSlot(ws.Bank, fileName);
    const bool imported = picture == 0;
    // A charge the document does not count yet (a new one, not the held one
    // put back) takes layers as large as its picture from the budget; a
    // picture imported here is checked with its first charge by the bank.
    const ChargeRecord& was = blazon.Charges[n];
    const bool counted = (was.InUse != 0 || n == ws.SelectedCharge) && was.ImageIndex == picture;
    if (!imported && !counted && !chargeFitsBudget(ws, blazon, picture, ws.SelectedCharge, refusal))
        return false;
    if (imported) {
        picture = AddImageToBank(ws, surfaces, overlay.Tag, 0, -1, refusal);
        if (picture == 0) return false;
    }

    // A record the caller filled (the slot given, or the held charge's own)
    // keeps what it holds.
    if (slot != n && n != ws.SelectedCharge) startBlank(ws, n);
    ChargeRecord& c = blazon.Charges[n];
    // The step is taken here, after the record is marked in use and before
    // its box is written. A held charge put back goes into it as it stands,
    // not as it was picked up: undo gives it back where it was picked up (or
    // where a group move took it, with its group) in the size and tincture it
    // is put down with. A new picture's record has no picture yet in the
    // copy; undo frees it.
    c.InUse = kTrue;
    if (n == ws.SelectedCharge) ws.HeldUndoRecord = c;
    SetUndos(ws);
    c.ImageIndex = Integer(picture);
    c.X = wholePixel(overlay.Left);
    c.Y = wholePixel(overlay.Top);
    ImageBankEntry& entry = ws.Bank[picture];
    if (imported) {
        entry.DisplayName = pictureDisplayName(fileName);
        entry.FileName = fileName;
        c.Width = entry.Width;
        c.Height = entry.Height;
    }
    if (c.Tincture == -1) {
        c.Tincture = entry.OwnTincture;
        c.Mirrored = 0;
    }
    if (c.Width == 0) {
        c.Width = entry.Width;
        c.Height = entry.Height;
    }
    // A held charge put back keeps the layers the overlay showed (a tincture
    // dropped on it included); only a changed picture or tincture pays for
    // new ones, which is most of what a commit costs besides the redraw.
    refreshChargeLayers(ws, surfaces, n);
    return true;
}

bool SetChargeTincture(Workspace& ws, ChargeSurfaces& surfaces, int charge, int tincture) {
    if (charge < 1 || charge > kChargeCount || tincture < 1 || tincture > kTinctureCount)
        return false;
    if (ws.CurrentBlazon.Charges[charge].Tincture != tincture) ws.Modified = true;
    return RetintCharge(ws, surfaces, charge, tincture);
}

}  // namespace tess
