#include "render/ordinary_pictures.h"

#include <algorithm>

#include "model/tinctures.h"
#include "model/workspace.h"
#include "render/key_colours.h"
#include "render/region_fill.h"
#include "render/renderer.h"

namespace tess {

void markPiece(Surface& work, Colour key, std::span<const SeedPoint> pieceSeeds,
               std::span<const SeedPoint> fieldSeeds) {
    const Brush piece = Brush::solid(key);
    for (const SeedPoint& s : pieceSeeds)
        if (work.contains(s.x, s.y) && work.pixel(s.x, s.y) != key)
            work.floodSurface(s.x, s.y, piece);
    // The field seeds only matter where they fall in the piece: everything the
    // piece floods did not reach is field anyway, which spares two floods of
    // the whole margin per redraw.
    const Brush field = Brush::solid(kWhite);
    for (const SeedPoint& s : fieldSeeds)
        if (work.pixel(s.x, s.y) == key) work.floodSurface(s.x, s.y, field);
}

void buildMaskAndKey(const Surface& work, Colour key, Surface& mask, Surface& keyPicture) {
    const int w = work.width(), h = work.height();
    if (mask.width() != w || mask.height() != h) mask = Surface(w, h, kWhite);
    if (keyPicture.width() != w || keyPicture.height() != h) keyPicture = Surface(w, h, kBlack);
    for (int y = 0; y < h; ++y) {
        const Colour* s = work.row(y);
        Colour* m = mask.row(y);
        Colour* k = keyPicture.row(y);
        for (int x = 0; x < w; ++x) {
            const Colour c = s[x];
            const bool piece = c == key, edge = c == kLineColour;
            m[x] = piece ? kBlack : edge ? kLineColour : kWhite;
            k[x] = piece ? key : edge ? kLineColour : kBlack;
        }
    }
}

void paintPieceTincture(Workspace& ws, const Surface& keyPicture, Colour key, Colour colour,
                        Surface& image) {
    const int w = keyPicture.width(), h = keyPicture.height();
    if (!ws.PrintBlackWhite) {
        // On screen a fill is solid: the piece's pixels take the colour in one
        // pass, with no flood to find them.
        if (image.width() != w || image.height() != h) image = Surface(w, h, kBlack);
        for (int y = 0; y < h; ++y) {
            const Colour* k = keyPicture.row(y);
            Colour* d = image.row(y);
            for (int x = 0; x < w; ++x) d[x] = k[x] == key ? colour : k[x];
        }
        return;
    }
    // A page is hatched region by region, each from a pixel of its own.
    image = keyPicture;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (image.row(y)[x] == key) FillRegion(ws, image, x, y, colour);
}

void paintPiecePicture(const Surface& mask, const Surface& picture, int dx, int dy,
                       Surface& image) {
    const int w = mask.width(), h = mask.height();
    if (image.width() != w || image.height() != h) image = Surface(w, h, kBlack);
    for (int y = 0; y < h; ++y) {
        const Colour* m = mask.row(y);
        Colour* d = image.row(y);
        const int py = y - dy;
        const bool rowInside = py >= 0 && py < picture.height();
        const Colour* p = rowInside ? picture.row(py) : nullptr;
        for (int x = 0; x < w; ++x) {
            if (m[x] != kBlack) {
                d[x] = m[x] == kLineColour ? kLineColour : kBlack;
                continue;
            }
            const int px = x - dx;
            d[x] = (p && px >= 0 && px < picture.width()) ? p[px] : kBlack;
        }
    }
}

Colour zoneColour(const Workspace& ws, const PartRecord& zone) {
    const Long t = zone.Tincture >= 1 && zone.Tincture <= kTinctureCount ? zone.Tincture : 1;
    return Colour(ws.Tinctures[std::size_t(t)].Colour);
}

const Surface* zoneFur(const Renderer& r, const PartRecord& zone) {
    if (zone.Kind <= kClassInserted) return nullptr;
    return r.furPicture(zone.Kind);
}

}  // namespace tess
