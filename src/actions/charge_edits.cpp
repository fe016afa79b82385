// The commands on the held charge: pick-up, commit, mirror, "broché sur le
// tout", copy and paste.
#include "actions/charge_edits.h"

#include <algorithm>

#include "actions/apply_edit.h"
#include "actions/budget_messages.h"
#include "actions/redraw_shield.h"
#include "model/image_bank.h"
#include "model/motifs.h"
#include "model/picture_budget.h"
#include "model/placed_charges.h"
#include "model/tinctures.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/charge_recolouring.h"
#include "render/renderer.h"

namespace tess {

namespace {

int heldCharge(const Workspace& ws) {
    const int n = ws.SelectedCharge;
    return n >= 1 && n <= kChargeCount ? n : 0;
}

ChargeRecord& record(Workspace& ws, int n) {
    return ws.CurrentBlazon.Charges[std::size_t(n)];
}

Integer wholePixels(double v) {
    return Integer(std::clamp<std::int32_t>(CInt(v), -32768, 32767));
}

}  // namespace

bool PickUpCharge(Workspace& ws, Renderer& r, int n, RedrawResult& shown) {
    if (ws.SelectedCharge != 0 || n < 1 || n > kChargeCount) return false;
    ChargeRecord& c = record(ws, n);
    if (c.InUse == 0 || chargePicture(ws, n) == nullptr) return false;
    // The overlay shows the working picture: it must match the record now.
    if (!refreshChargeLayers(ws, r.Charges, n)) return false;
    ws.HeldUndoRecord = c;
    c.InUse = 0;
    ws.SelectedCharge = n;
    shown = RedrawShield(ws, r);
    return true;
}

EditOutcome CommitHeldCharge(Workspace& ws, Renderer& r, const OverlayBox& overlay) {
    const int held = heldCharge(ws);
    FileMessage refusal;
    if (held != 0) {
        ChargeRecord& c = record(ws, held);
        const ChargeRecord before = c;
        c.Width = wholePixels(overlay.Width);
        c.Height = wholePixels(overlay.Height);
        if (!AddCharge(ws, r.Charges, overlay, held, &refusal)) {
            c = before;
            return NothingDone(refusal);
        }
    } else if (!AddCharge(ws, r.Charges, overlay, 0, &refusal)) {
        return NothingDone(refusal);
    }
    ws.SelectedCharge = 0;
    return RedrawnChange(ws, r);
}

void LetGoOfHeldCharge(Workspace& ws) {
    if (const int held = heldCharge(ws); held != 0) record(ws, held) = ws.HeldUndoRecord;
    ws.SelectedCharge = 0;
}

EditOutcome MirrorHeldCharge(Workspace& ws, Renderer& r, bool wholeGroup) {
    const int held = heldCharge(ws);
    if (held == 0) return NothingDone();
    const int group = record(ws, held).Motif;
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        auto flip = [&](int n) {
            ChargeRecord& c = record(ws, n);
            c.Mirrored = c.Mirrored != 0 ? kFalse : kTrue;
        };
        if (!wholeGroup || group == 0) {
            flip(held);
            return;
        }
        // The held charge is one of the members; a member listed twice would
        // flip back, so each charge flips once.
        std::array<bool, kChargeCount + 1> done{};
        for (int i = 1; i <= kMotifCount; ++i) {
            const int m = ws.Groups.Motifs[std::size_t(group)].Members[std::size_t(i)];
            if (m < 1 || m > kChargeCount || done[std::size_t(m)]) continue;
            done[std::size_t(m)] = true;
            flip(m);
        }
        if (!done[std::size_t(held)]) flip(held);
    });
}

EditOutcome ToggleHeldChargeOverAll(Workspace& ws, Renderer& r) {
    const int held = heldCharge(ws);
    if (held == 0) return NothingDone();
    return ApplyEdit(ws, r, UndoStep::None, [&] {
        ChargeRecord& c = record(ws, held);
        c.Brochant = c.Brochant != 0 ? kFalse : kTrue;
    });
}

EditOutcome RecolourHeldCharge(Workspace& ws, Renderer& r, int tincture) {
    const int held = heldCharge(ws);
    if (held == 0 || tincture < 1 || tincture > kTinctureCount) return NothingDone();
    const bool newTincture = record(ws, held).Tincture != tincture;
    EditOutcome out;
    out.done = SetChargeTincture(ws, r.Charges, held, tincture);
    out.changed = newTincture;
    return out;
}

ChargeClipboard CopyHeldCharge(const Workspace& ws, const Renderer& r) {
    ChargeClipboard copy;
    const int held = heldCharge(ws);
    const ImageBankEntry* entry = held ? chargePicture(ws, held) : nullptr;
    if (entry == nullptr) return copy;
    copy.valid = true;
    copy.record = ws.CurrentBlazon.Charges[std::size_t(held)];
    copy.workingPicture = r.Charges.workingPicture(held);
    copy.bankFileName = entry->FileName;
    copy.text = std::to_string(held);
    return copy;
}

bool CanPasteCharge(const Workspace& ws, const Renderer& r, const ChargeClipboard& copy,
                    const std::string& clipboardText) {
    if (!copy.valid || copy.text.empty() || clipboardText != copy.text) return false;
    const int slot = findBankSlot(ws.Bank, copy.bankFileName);
    return slot != 0 && r.Charges.hasBankPicture(slot);
}

int PasteCharge(Workspace& ws, Renderer& r, const ChargeClipboard& copy, FileMessage* refusal) {
    if (!copy.valid || ws.SelectedCharge != 0) return 0;
    const int slot = findBankSlot(ws.Bank, copy.bankFileName);
    if (slot == 0 || !r.Charges.hasBankPicture(slot)) return 0;
    const int n = firstFreeCharge(ws.CurrentBlazon);
    if (n == 0) {
        passRefusal(refusal, chargesFullMessage());
        return 0;
    }
    // Held, the copy counts as a charge of the document: its layers must fit.
    if (!chargeFitsBudget(ws, ws.CurrentBlazon, slot, 0, refusal)) return 0;
    // A free record may still be listed by a group; the copy joins none.
    for (int g = 1; g <= kMotifCount; ++g) {
        const auto& members = ws.Groups.Motifs[std::size_t(g)].Members;
        if (std::find(members.begin() + 1, members.end(), Byte(n)) != members.end())
            RemoveChargeFromMotif(ws, g, n);
    }
    ws.HeldUndoRecord = record(ws, n);
    ChargeRecord& c = record(ws, n);
    c = copy.record;
    c.InUse = 0;
    c.Motif = 0;
    c.ImageIndex = Integer(slot);
    ws.SelectedCharge = n;
    // Layers of its own, made as the commit would make them; the copy's
    // picture is the same figure in the same tincture, so it stands in when
    // its size still fits.
    PrepareChargeLayers(ws, r.Charges, n);
    Surface& working = r.Charges.charge(n).layers.composite;
    if (working.width() == copy.workingPicture.width() &&
        working.height() == copy.workingPicture.height())
        working = copy.workingPicture;
    return n;
}

}  // namespace tess
