#include "actions/charge_clearing.h"

#include "model/motifs.h"
#include "model/workspace.h"
#include "render/charge_surfaces.h"

namespace tess {

void ClearCharge(Workspace& ws, ChargeSurfaces& surfaces, int n) {
    if (n < 1 || n > kChargeCount) return;
    ChargeRecord& c = ws.CurrentBlazon.Charges[n];
    if (c.Motif != 0) RemoveChargeFromMotif(ws, c.Motif, n);
    c = ChargeRecord{};
    surfaces.releaseCharge(n);
}

}  // namespace tess
