#include "render/renderer.h"

#include <atomic>

#include "model/tinctures.h"
#include "render/fur_patterns.h"
#include "resources/pictures.h"

namespace tess {

namespace {

const Surface& emptySurface() {
    static const Surface empty;
    return empty;
}

Surface workSurface(int width, int height) {
    Surface s(width, height, kWorkBackground);
    return s;
}

void makeHitMap(Renderer& r) {
    r.chargeHitMap = Surface(kCanvasWidth, kCanvasHeight, kBlack);
    r.HitBoxesDrawn.clear();
    r.HitBoxesMade = false;
}

void makeKeyMaps(Renderer& r) {
    r.fieldPartMap = blankPicture();
    r.ordinaryMap = blankPicture();
    r.KeyMapsMade = false;
}

void makeOrdinarySurfaces(Renderer& r) {
    r.Ordinary1 = OrdinarySurfaces{};
    r.Ordinary2 = OrdinarySurfaces{};
    r.Ordinary1.keyPicture = workSurface(kBigWidth, kBigHeight);
    r.Ordinary1.colouredPicture = workSurface(kBigWidth, kBigHeight);
    r.Ordinary1.mask = workSurface(kBigWidth, kBigHeight);
    r.Ordinary2.keyPicture = blankPicture();
    r.Ordinary2.colouredPicture = blankPicture();
    r.Ordinary2.mask = blankPicture();
}

}  // namespace

std::uint64_t newDrawingNumber() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

const Surface* Renderer::furPicture(Long furCode) const {
    if (furCode >= kFirstBuiltInFur && furCode <= kLastBuiltInFur)
        return &tess::furPicture(int(furCode));
    if (furCode >= kFirstUserFur && furCode <= kLastUserFur) {
        const Surface& s = UserFurPictures[std::size_t(furCode - kFirstUserFur)];
        return s.empty() ? nullptr : &s;
    }
    return nullptr;
}

const Surface& Renderer::shapeOutline() const {
    return currentShapeOutline ? *currentShapeOutline : emptySurface();
}
const Surface& Renderer::shapeMask() const {
    return currentShapeMask ? *currentShapeMask : emptySurface();
}
const Surface& Renderer::insetMask() const {
    return currentInsetMask ? *currentInsetMask : emptySurface();
}

void InitRowOffsets(Renderer& r) {
    static constexpr std::array<Integer, 26> kToolbarX = {
        0,   0,   0,   0,   0,   0,   0,   0, 0,   182, 205, 229, 253,
        277, 301, 325, 349, 373, 397, 421, 0, 454, 477, 501, 525, 549};
    r.ToolbarX = kToolbarX;
}

void InitSurfaces(Renderer& r) {
    // The canvases the window shows or hides.
    r.canvas = Surface(kCanvasWidth, kCanvasHeight, kWhite);
    r.partMap = workSurface(kCanvasWidth, kCanvasHeight);
    r.partitionWork = workSurface(kModelWidth, kModelHeight);
    r.PartitionMade = false;
    r.PartitionRuns = RowRuns{};
    r.PartitionRunsMade = false;
    r.firstOrderWork = workSurface(kBigWidth, kBigHeight);

    InitRowOffsets(r);
    makeHitMap(r);
    makeKeyMaps(r);
    r.currentShapeOutline = nullptr;
    r.currentShapeMask = nullptr;
    r.currentInsetMask = nullptr;
    r.ShapeCutKept = ShapeCut{};
    for (auto& s : r.UserFurTiles) s = Surface();
    for (auto& s : r.UserFurPictures) s = Surface();
    for (auto& s : r.InsertedPictures) s = Surface();
    for (auto& path : r.UserFurPaths) path.clear();
    for (auto& path : r.InsertedPaths) path.clear();
    makeOrdinarySurfaces(r);
    r.motifWork1 = Surface(kCanvasWidth, kCanvasHeight, kWhite);
    r.motifWork2 = Surface(kCanvasWidth, kCanvasHeight, kWhite);
    BuildFurPatterns(r);
    r.Initialised = true;
}

}  // namespace tess
