// Placed charges: the lookups that need no drawing surface.
#include "model/placed_charges.h"

#include <algorithm>

#include "model/document.h"
#include "model/image_bank.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "platform/rounding.h"
#include "render/charge_recolouring.h"
#include "render/charge_surfaces.h"

namespace tess {

const ImageBankEntry* chargePicture(const Workspace& ws, int charge) {
    if (charge < 1 || charge > kChargeCount) return nullptr;
    const int slot = ws.CurrentBlazon.Charges[charge].ImageIndex;
    if (slot < 1 || slot > kImageBankSize) return nullptr;
    const ImageBankEntry& entry = ws.Bank[slot];
    return entry.InUse != 0 ? &entry : nullptr;
}

int firstFreeCharge(const BlazonRecord& blazon) {
    for (int n = 1; n <= kChargeCount; ++n)
        if (blazon.Charges[n].InUse == 0) return n;
    return 0;
}

Byte ChargeAtPoint(Workspace& ws, int x, int y) {
    int best = 0;
    long long smallest = 0;
    for (int n = 1; n <= kChargeCount; ++n) {
        ChargeRecord& c = ws.CurrentBlazon.Charges[n];
        if (c.ImageIndex < 1) {
            c.InUse = 0;
            continue;
        }
        if (c.InUse == 0 || chargePicture(ws, n) == nullptr) continue;
        if (!(x > c.X && x < c.X + c.Width && y > c.Y && y < c.Y + c.Height)) continue;
        const long long area = (long long)c.Width * c.Height;
        if (best == 0 || area < smallest) {
            best = n;
            smallest = area;
        }
    }
    return Byte(best);
}

namespace {

Integer wholePixel(double v) { return Integer(std::clamp<double>(CInt(v), -32768, 32767)); }

}  // namespace

bool AddCharge(Workspace& ws, ChargeSurfaces& surfaces, const OverlayBox& overlay, int slot) {
    BlazonRecord& blazon = ws.CurrentBlazon;
    const int n = (slot >= 1 && slot <= kChargeCount) ? slot : firstFreeCharge(blazon);
    if (n == 0) {
        ws.ui->showMessage("Le maximum d'images insérables est atteint!", 48, "Ajouter une image");
        return false;
    }
    // The picture is found or imported before the record changes, so a bank
    // that refuses it leaves the document and the undo stack as they were.
    const std::string fileName = FileNameOfPath(overlay.Tag);
    int picture = findBankSlot(ws.Bank, fileName);
    const bool imported = picture == 0;
    if (imported) {
        picture = AddImageToBank(ws, surfaces, overlay.Tag, 0, -1);
        if (picture == 0) return false;
    }

    ChargeRecord& c = blazon.Charges[n];
    c.InUse = kTrue;
    PushUndo(ws);
    ws.Modified = true;
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
    PrepareChargeLayers(ws, surfaces, n);
    return true;
}

bool SetChargeTincture(Workspace& ws, ChargeSurfaces& surfaces, int charge, int tincture) {
    if (charge < 1 || charge > kChargeCount || tincture < 1 || tincture > kTinctureCount)
        return false;
    if (ws.CurrentBlazon.Charges[charge].Tincture != tincture) ws.Modified = true;
    return RetintCharge(ws, surfaces, charge, tincture);
}

}  // namespace tess
