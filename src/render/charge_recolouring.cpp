// Charge recolouring: a fill layer in the charge's tincture, a mask that lets
// it through only on the picture's recolourable pixels, and a layer with the
// figure's other pixels, composed into the working picture.
#include "render/charge_recolouring.h"

#include <algorithm>
#include <vector>

#include "model/image_bank.h"
#include "model/placed_charges.h"
#include "model/workspace.h"

namespace tess {
namespace {

Long fillTinctureOf(const ChargeRecord& c) {
    return isTincture(c.Tincture) ? c.Tincture : 1;
}

void compose(ChargeLayers& layers) {
    const int w = layers.fillLayer.width(), h = layers.fillLayer.height();
    for (int y = 0; y < h; ++y) {
        const Colour* fill = layers.fillLayer.row(y);
        const Colour* mask = layers.mask.row(y);
        const Colour* detail = layers.detailLayer.row(y);
        Colour* out = layers.composite.row(y);
        for (int x = 0; x < w; ++x) out[x] = (fill[x] & mask[x]) ^ detail[x];
    }
}

// Paints the 4-connected piece of figure (black on the bank mask) holding the
// seed. A piece touching another only through background stays as it is.
void floodFigurePiece(Surface& fill, const Surface& mask, int seedX, int seedY, Colour colour) {
    const int w = mask.width(), h = mask.height();
    if (!mask.contains(seedX, seedY) || mask.row(seedY)[seedX] != kBlack) return;
    std::vector<std::uint8_t> seen(std::size_t(w) * std::size_t(h), 0);
    std::vector<std::pair<int, int>> stack{{seedX, seedY}};
    seen[std::size_t(seedY) * w + seedX] = 1;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        fill.row(y)[x] = colour;
        const std::pair<int, int> next[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& [nx, ny] : next) {
            if (!mask.contains(nx, ny)) continue;
            std::uint8_t& s = seen[std::size_t(ny) * w + nx];
            if (s || mask.row(ny)[nx] != kBlack) continue;
            s = 1;
            stack.emplace_back(nx, ny);
        }
    }
}

}  // namespace

ChargeLayersTag currentLayersTag(const Workspace& ws, const ChargeSurfaces& surfaces, int charge) {
    if (chargePicture(ws, charge) == nullptr) return {};
    const ChargeRecord& c = ws.CurrentBlazon.Charges[charge];
    if (!surfaces.hasBankPicture(c.ImageIndex)) return {};
    const Long t = fillTinctureOf(c);
    const Long own = ws.Bank[c.ImageIndex].OwnTincture;
    const Colour ownColour = isTincture(own) ? Colour(ws.Tinctures[own].Colour) : kNoColour;
    return ChargeLayersTag{
        c.ImageIndex, surfaces.bank(c.ImageIndex).version, t, Colour(ws.Tinctures[t].Colour), own,
        ownColour};
}

void PrepareChargeLayers(Workspace& ws, ChargeSurfaces& surfaces, int charge) {
    if (charge < 1 || charge > kChargeCount) return;
    const ChargeLayersTag tag = currentLayersTag(ws, surfaces, charge);
    ChargePictures& pictures = surfaces.charge(charge);
    if (tag.slot == 0) {
        surfaces.releaseCharge(charge);
        return;
    }
    const ImageBankEntry& entry = ws.Bank[tag.slot];
    const BankPicture& bank = surfaces.bank(tag.slot);
    const int bw = bank.picture.width(), bh = bank.picture.height();

    ChargeLayers& layers = pictures.layers;
    layers.Tincture = tag.tincture;
    layers.fillLayer = Surface(bw, bh, kBlack);
    layers.mask = Surface(bw, bh, kBlack);
    layers.detailLayer = Surface(bw, bh, kBlack);
    layers.composite = Surface(bw, bh, kBlack);

    // A picture whose own tincture is no tincture has no recolourable pixel.
    // Its own tincture may have been found by its factory colour while the
    // tincture's colour is adjusted (the import matches both): pixels of either
    // colour are then the field, or the charge could never be recoloured.
    const bool hasOwn = isTincture(entry.OwnTincture);
    const Colour own = hasOwn ? Colour(ws.Tinctures[entry.OwnTincture].Colour) : kNoColour;
    const Colour ownFactory = hasOwn ? Colour(ws.Tinctures[entry.OwnTincture].DefaultColour) : own;
    const Colour fillColour = tag.colour;
    // The seed is the first recolourable pixel scanning columns from the left,
    // each from the top; rows are walked here, so keep the leftmost, then topmost.
    int seedX = -1, seedY = -1;
    for (int y = 0; y < bh; ++y) {
        const Colour* m = bank.mask.row(y);
        const Colour* p = bank.picture.row(y);
        Colour* fill = layers.fillLayer.row(y);
        Colour* mask = layers.mask.row(y);
        Colour* detail = layers.detailLayer.row(y);
        for (int x = 0; x < bw; ++x) {
            if (m[x] == kBlack) {
                if (p[x] == own || p[x] == ownFactory) {
                    mask[x] = kWhite;
                    if (seedX < 0 || x < seedX) seedX = x, seedY = y;
                } else {
                    detail[x] = p[x];
                }
                fill[x] = fillColour;
            } else if (m[x] == kWhite) {
                mask[x] = kWhite;
            }
        }
    }
    // Without a recolourable pixel the seed keeps its value: the mask then
    // hides the fill layer everywhere, so a retint changes nothing visible.
    if (seedX >= 0) {
        layers.SeedX = Integer(seedX);
        layers.SeedY = Integer(seedY);
    }
    compose(layers);
    pictures.tag = tag;
}

bool RetintCharge(Workspace& ws, ChargeSurfaces& surfaces, int charge, int tincture) {
    if (charge < 1 || charge > kChargeCount || !isTincture(tincture)) return false;
    ws.CurrentBlazon.Charges[charge].Tincture = tincture;
    ChargePictures& pictures = surfaces.charge(charge);
    const ChargeLayersTag tag = currentLayersTag(ws, surfaces, charge);
    if (tag.slot == 0 || pictures.tag.slot != tag.slot ||
        pictures.tag.bankVersion != tag.bankVersion) {
        PrepareChargeLayers(ws, surfaces, charge);
        return true;
    }
    ChargeLayers& layers = pictures.layers;
    layers.Tincture = tincture;
    floodFigurePiece(layers.fillLayer, surfaces.bank(tag.slot).mask, layers.SeedX, layers.SeedY,
                     tag.colour);
    compose(layers);
    pictures.tag = tag;
    return true;
}

void ReleaseChargeLayers(ChargeSurfaces& surfaces, int charge) {
    if (charge >= 1 && charge <= kChargeCount) surfaces.releaseCharge(charge);
}

bool refreshChargeLayers(Workspace& ws, ChargeSurfaces& surfaces, int charge) {
    const ChargeLayersTag tag = currentLayersTag(ws, surfaces, charge);
    if (tag.slot == 0) return false;
    if (surfaces.charge(charge).tag != tag) PrepareChargeLayers(ws, surfaces, charge);
    return true;
}

void ReplaceColour(Surface& surface, Colour from, Colour to, int height, int width) {
    const int w = std::min(width, surface.width()), h = std::min(height, surface.height());
    for (int y = 0; y < h; ++y) {
        Colour* row = surface.row(y);
        for (int x = 0; x < w; ++x)
            if (row[x] == from) row[x] = to;
    }
}

}  // namespace tess
