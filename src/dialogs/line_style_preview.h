#pragma once

#include <string>

#include "model/records.h"
#include "platform/surface.h"

namespace tess {

// The line-style window's working copy of one line and the rules its controls
// follow, without the controls: the window shows what this holds. Kept free
// of widgets so that the sample update can be measured and tested alone.
class LineStylePreview {
  public:
    // The scroll bars' ranges: widths 10..100, depths 5..50 (the captions show
    // the width halved, so both read 5..50).
    static constexpr int kWidthLeast = 10, kWidthMost = 100;
    static constexpr int kDepthLeast = 5, kDepthMost = 50;
    // The sample picture inside its frame, in pixels.
    static constexpr int kSampleWidth = 144, kSampleHeight = 102;

    // Opens on a copy of `style`, its width, depth and kind clamped into what
    // the controls can show (a damaged or old document may hold anything).
    // `pieceWidth`, the width in pixels of a narrowed piece (0 for none), keeps
    // the depth below it.
    void start(const LineStyle& style, int pieceWidth);

    void chooseKind(int kind);
    void setWidthBar(int value);
    void setDepthBar(int value);

    // Runs after every change: the nébulé cap, the narrow piece's depth cap,
    // then the sample drawn afresh on `sample` (kSampleWidth x kSampleHeight,
    // black), which also raises the working copy to the sample's least width,
    // depth and kind.
    void update(Surface& sample);

    const LineStyle& style() const { return style_; }
    int widthBar() const { return widthBar_; }
    int depthBar() const { return depthBar_; }
    // The scroll bars and their captions work for every kind but "Droit".
    bool barsEnabled() const;
    std::string widthCaption() const;
    std::string depthCaption() const;

  private:
    LineStyle style_;
    int widthBar_ = kWidthLeast;
    int depthBar_ = kDepthLeast;
    int pieceWidth_ = 0;
};

}  // namespace tess
