#include "actions/charge_group_moves.h"

#include <algorithm>

#include "actions/held_charge.h"
#include "model/motifs.h"
#include "model/workspace.h"
#include "platform/rounding.h"

namespace tess {

namespace {

Integer wholePixels(double v) {
    return Integer(std::clamp<std::int32_t>(CInt(v), -32768, 32767));
}

}  // namespace

void CompactHeldChargeGroup(Workspace& ws) {
    if (const int group = HeldChargeGroup(ws); group != 0) CompactMotif(ws, group);
}

void MoveHeldChargeGroup(Workspace& ws, int dx, int dy, double width, double height) {
    const int group = HeldChargeGroup(ws);
    if (group == 0) return;
    MoveMotifCharges(ws, group, dx, dy, wholePixels(height), wholePixels(width));
}

void AlignHeldChargeGroup(Workspace& ws, double left, double top, double width, double height) {
    const int group = HeldChargeGroup(ws);
    if (group == 0) return;
    const ChargeRecord& c = ws.CurrentBlazon.Charges[std::size_t(ws.SelectedCharge)];
    MoveMotifCharges(ws, group, CInt(left - c.X), CInt(top - c.Y), CInt(height), CInt(width));
}

}  // namespace tess
