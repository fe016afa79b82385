#include "actions/held_charge.h"

#include "actions/apply_edit.h"
#include "actions/redraw_shield.h"
#include "model/motifs.h"
#include "model/workspace.h"
#include "render/renderer.h"

namespace tess {

void ClearCharge(Workspace& ws, Renderer& r, int n) {
    if (n < 1 || n > kChargeCount) return;
    ChargeRecord& c = ws.CurrentBlazon.Charges[std::size_t(n)];
    c.InUse = 0;
    c.ImageIndex = 0;
    c.ImageName.clear();
    c.Class = 0;
    c.X = 0;
    c.Y = 0;
    c.Tincture = -1;
    c.Width = 0;
    c.Height = 0;
    c.Brochant = 0;
    r.Charges.releaseCharge(n);
}

int HeldChargeGroup(const Workspace& ws) {
    const int held = ws.SelectedCharge;
    if (held < 1 || held > kChargeCount) return 0;
    return ws.CurrentBlazon.Charges[std::size_t(held)].Motif;
}

EditOutcome DeleteHeldCharge(Workspace& ws, Renderer& r, bool wholeGroup) {
    const int held = ws.SelectedCharge;
    if (held < 1 || held > kChargeCount) {
        ws.SelectedCharge = 0;
        return NothingDone();
    }
    const int group = HeldChargeGroup(ws);
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        if (group == 0) {
            ClearCharge(ws, r, held);
        } else if (wholeGroup) {
            // The group must not outlive its members.
            const auto members = ws.Groups.Motifs[std::size_t(group)].Members;
            for (int i = 1; i <= kMotifCount; ++i) {
                const int c = members[std::size_t(i)];
                if (c < 1 || c > kChargeCount) continue;
                ws.CurrentBlazon.Charges[std::size_t(c)].Motif = 0;
                ClearCharge(ws, r, c);
            }
            ClearMotif(ws, group);
        } else {
            CompactMotif(ws, group);
            RemoveChargeFromMotif(ws, group, held);
            ClearCharge(ws, r, held);
        }
        ws.SelectedCharge = 0;
    });
}

}  // namespace tess
