// Turning a chosen arrangement into charges of the document.
#include "actions/charge_arrangement.h"

#include <algorithm>
#include <limits>
#include <string>

#include "actions/apply_edit.h"
#include "actions/budget_messages.h"
#include "model/motifs.h"
#include "model/picture_budget.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/charge_recolouring.h"
#include "render/renderer.h"

namespace tess {
namespace {

Integer word(double v) {
    return Integer(std::clamp<double>(CInt(v), std::numeric_limits<Integer>::min(),
                                      std::numeric_limits<Integer>::max()));
}

// The top-left corner that centres a box of the record's size on (x, y).
void centreOn(ChargeRecord& c, int x, int y) {
    c.X = word(x - c.Width / 2.0);
    c.Y = word(y - c.Height / 2.0);
}

int freeRecords(const BlazonRecord& blazon, int except) {
    int n = 0;
    for (int c = 1; c <= kChargeCount; ++c)
        if (c != except && blazon.Charges[c].InUse == 0) ++n;
    return n;
}

// Undo brings records back but not the groups, so a record may still be
// listed by a group it no longer names; it leaves every group but `keep`.
void leaveOtherGroups(Workspace& ws, int n, int keep) {
    for (int g = 1; g <= kMotifCount; ++g) {
        if (g == keep) continue;
        const auto& members = ws.Groups.Motifs[g].Members;
        if (std::find(members.begin() + 1, members.end(), Byte(n)) != members.end())
            RemoveChargeFromMotif(ws, g, n);
    }
    if (ws.CurrentBlazon.Charges[n].Motif != keep) ws.CurrentBlazon.Charges[n].Motif = 0;
}

bool inLiveGroup(const Workspace& ws, int charge) {
    const int g = ws.CurrentBlazon.Charges[charge].Motif;
    return g >= 1 && g <= kMotifCount && ws.Groups.Motifs[g].InUse != 0;
}

}  // namespace

EditOutcome ApplyMotif(Workspace& ws, Renderer& r, const ArrangedCharge& charge,
                       const MotifLayout& layout, const JoinGroupQuestion& joinExistingGroup) {
    const int c = charge.number;
    if (c < 1 || c > kChargeCount || chargePicture(ws, c) == nullptr || layout.KeyCount == 0)
        return NothingDone();
    // Counted before anything changes: an arrangement is made whole or not at all.
    const int copies = MotifCopyCount(layout);
    if (freeRecords(ws.CurrentBlazon, c) < copies)
        return NothingDone(FileMessage::exclamation(kArrangementTitle, kArrangementTooManyText));
    // Each copy draws through layers as large as its picture.
    const ImageBankEntry& picture = *chargePicture(ws, c);
    if (copies * chargeCost(picture.Width, picture.Height) >
        PictureBudgetLeft(ws.CurrentBlazon, ws.Bank, c))
        return NothingDone(FileMessage::exclamation(kArrangementTitle, copiesOverBudgetText()));
    const bool join = inLiveGroup(ws, c) && joinExistingGroup && joinExistingGroup();

    // The undo copy holds the charge in use at its pick-up box.
    ChargeRecord& source = ws.CurrentBlazon.Charges[c];
    source.InUse = kTrue;
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        BlazonRecord& blazon = ws.CurrentBlazon;
        ChargeRecord& src = blazon.Charges[c];
        src.Width = Integer(std::clamp(charge.width, 1, int(std::numeric_limits<Integer>::max())));
        src.Height =
            Integer(std::clamp(charge.height, 1, int(std::numeric_limits<Integer>::max())));
        centreOn(src, layout.KeyX[1], layout.KeyY[1]);

        int group = 0;
        std::string phrase;
        if (join) {
            group = src.Motif;
            phrase = ws.Groups.Motifs[group].Phrase + " et ";
        } else {
            group = NewMotif(ws);
        }
        // A charge belongs to one group at most: on "Non" it leaves its old one.
        leaveOtherGroups(ws, c, group);
        AddChargeToMotif(ws, group, c);
        ws.Groups.Motifs[group].Phrase = phrase + std::string(MotifPatternPhrase(layout.Pattern));

        // Copies share nothing with the charge: each gets its own layers, so a
        // later recolouring of one copy touches no other.
        refreshChargeLayers(ws, r.Charges, c);
        const ChargePictures& pictures = r.Charges.charge(c);
        auto place = [&](int x, int y) {
            const int n = firstFreeCharge(blazon);
            leaveOtherGroups(ws, n, 0);
            ChargeRecord& copy = blazon.Charges[n];
            copy = ChargeRecord{};
            copy.InUse = kTrue;
            copy.ImageIndex = src.ImageIndex;
            copy.ImageName = src.ImageName;
            copy.Width = src.Width;
            copy.Height = src.Height;
            copy.Tincture = src.Tincture;
            copy.Class = src.Class;
            copy.Mirrored = src.Mirrored;
            copy.Brochant = src.Brochant;
            centreOn(copy, x, y);
            r.Charges.charge(n) = pictures;
            AddChargeToMotif(ws, group, n);
        };
        for (int k = 2; k <= layout.KeyCount; ++k) place(layout.KeyX[k], layout.KeyY[k]);
        for (int j = 1; j <= copies - (layout.KeyCount - 1); ++j)
            place(layout.CopyX[j], layout.CopyY[j]);

        ws.SelectedCharge = 0;
    });
}

}  // namespace tess
