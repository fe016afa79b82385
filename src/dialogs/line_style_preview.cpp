#include "dialogs/line_style_preview.h"

#include <algorithm>

#include "model/line_kinds.h"
#include "render/line_sample.h"

namespace tess {

namespace {

// Past this width a shallow nébulé's arcs run into each other.
constexpr int kNebuleWidestShallow = 64;
constexpr int kNebuleShallowBelow = 12;
constexpr Colour kSampleColour = 0x0000FF;  // red

}  // namespace

void LineStylePreview::start(const LineStyle& style, int pieceWidth) {
    style_ = style;
    style_.Width = Integer(std::clamp<int>(style_.Width, kWidthLeast, kWidthMost));
    style_.Depth = Integer(std::clamp<int>(style_.Depth, kDepthLeast, kDepthMost));
    style_.LineKind = std::clamp<Long>(style_.LineKind, kLinePlain, kLineBastille);
    widthBar_ = style_.Width;
    depthBar_ = style_.Depth;
    pieceWidth_ = std::max(pieceWidth, 0);
}

void LineStylePreview::chooseKind(int kind) {
    style_.LineKind = std::clamp<Long>(kind, kLinePlain, kLineBastille);
}

void LineStylePreview::setWidthBar(int value) {
    widthBar_ = std::clamp(value, kWidthLeast, kWidthMost);
    style_.Width = Integer(widthBar_);
}

void LineStylePreview::setDepthBar(int value) {
    depthBar_ = std::clamp(value, kDepthLeast, kDepthMost);
    style_.Depth = Integer(depthBar_);
}

bool LineStylePreview::barsEnabled() const {
    return style_.LineKind != kLinePlain;
}

std::string LineStylePreview::widthCaption() const {
    return "Largeur: " + std::to_string(widthBar_ / 2);
}

std::string LineStylePreview::depthCaption() const {
    return "Profondeur: " + std::to_string(depthBar_);
}

void LineStylePreview::update(Surface& sample) {
    sample.fill(kBlack);
    if (style_.LineKind == kLineNebule && widthBar_ > kNebuleWidestShallow &&
        depthBar_ < kNebuleShallowBelow)
        setWidthBar(kNebuleWidestShallow);
    // A narrowed piece keeps its pattern inside its band; the bar cannot go
    // below its least depth.
    if (pieceWidth_ > 0 && style_.Depth >= pieceWidth_)
        setDepthBar(std::max(pieceWidth_ - 2, kDepthLeast));
    DrawLineSample(sample, style_, kSampleColour, sample.height() / 2);
}

}  // namespace tess
