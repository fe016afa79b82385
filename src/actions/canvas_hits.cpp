#include "actions/canvas_hits.h"

#include <cmath>
#include <cstdio>

#include "blazon/vocabulary.h"
#include "model/document.h"
#include "model/image_bank.h"
#include "model/part_zones.h"
#include "model/partitions.h"
#include "model/piece_types.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/key_colours.h"
#include "render/renderer.h"

namespace tess {

namespace {

// The charge hit map's mark of a drawn charge.
constexpr Colour kChargeMark = 0x0000FFu;
// The shield's centre, from which the hover counts its coordinates.
constexpr double kCentreX = 132;
constexpr double kCentreY = 170;

std::string pieceCaption(const BlazonRecord& b, int order) {
    const OrdinaryRecord& piece = order == 1 ? b.Ordinary1 : b.Ordinary2;
    std::string name = OrdinaryName(b, piece.Type);
    if (OrdinaryCanBeNarrowed(b, order) && piece.Size < 0) return "Filet en " + name;
    return name;
}

// PREFIX followed by the number N, appended to a string of its own: on
// "literal" + std::to_string(n) GCC 12 warns at -O2 of an overlap that cannot
// happen (-Wrestrict).
std::string numbered(const char* prefix, int n) {
    std::string text = prefix;
    text += std::to_string(n);
    return text;
}

}  // namespace

CanvasHit HitAt(const Renderer& r, double x, double y) {
    const int px = CInt(x);
    const int py = CInt(y);
    CanvasHit hit;
    const Surface& outline = r.shapeOutline();
    hit.insideShield = outline.contains(px, py) && outline.pixel(px, py) == 0;
    hit.onChargeMap =
        r.chargeHitMap.contains(px, py) && r.chargeHitMap.pixel(px, py) == kChargeMark;
    if (r.partMap.contains(px, py)) hit.part = partOfKeyColour(r.partMap.pixel(px, py));
    return hit;
}

std::string singleText(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e9) return std::to_string(static_cast<long long>(v));
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", v);
    return text;
}

HoverText HoverAt(Workspace& ws, const Renderer& r, double x, double y) {
    HoverText t;
    const CanvasHit hit = HitAt(r, x, y);
    if (!hit.insideShield) return t;
    t.coordinates = singleText(x - kCentreX) + "; " + singleText(y - kCentreY);
    const BlazonRecord& b = ws.CurrentBlazon;
    if (hit.onChargeMap) {
        const int c = ChargeAtPoint(ws, CInt(x), CInt(y));
        const ImageBankEntry* picture = c != 0 ? chargePicture(ws, c) : nullptr;
        if (!picture) {
            t.keepCaption = true;
            return t;
        }
        t.caption = numbered("[", c) + "] " + picture->Phrase;
        return t;
    }
    if (isFieldPart(hit.part))
        t.caption = numbered("Partie ", hit.part);
    else if (hit.part == kSecondOrderZone)
        t.caption = pieceCaption(b, 2);
    else if (hit.part == kSeveralPartsZone)
        t.caption = "Division";
    else if (hit.part == kFirstOrderZone)
        t.caption = pieceCaption(b, 1);
    return t;
}

}  // namespace tess
