#pragma once

#include <QImage>

namespace tess {

inline constexpr int kIntroFrameCount = 10;
inline constexpr int kIntroFrameWidth = 320;
inline constexpr int kIntroFrameHeight = 200;

// Intro frame 1..10 of the start-up window, in the order it shows them:
// 320 x 200, 8 bits per pixel. Drawn once at first use and kept for the run.
const QImage& introFrame(int n);

}  // namespace tess
