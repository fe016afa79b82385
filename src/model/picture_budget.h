#pragma once

#include <cstdint>

#include "model/canvas_size.h"
#include "model/image_bank.h"
#include "model/records.h"
#include "platform/picture_limits.h"

namespace tess {

// One limit for a document's pictures, held by everything that brings a
// picture in and by the loader, so that every document the editor saves opens
// whole again: the picture list and the placing of charges, the arrangement of
// copies and the save refuse what would pass it; the loader stops at it (a
// forged document claiming many large pictures).
//
// Counted in pixels of the surfaces the program keeps for the pictures once
// the document is open: each bank picture and its mask, and the four
// recolouring layers of each charge (each as large as its bank picture). At
// 4 bytes a pixel the budget is 24 MB, some sixty canvases' worth; a real
// document uses a small part of it. Each picture is also held to
// kMaxPictureSide on either side. The coats of arms inserted into parts stand
// outside it, as documents have always been opened: at most five (zones 5
// and 6 never hold any), each kept at the canvas size, they add a bounded
// 1.8 MB whatever the document holds.
inline constexpr std::int64_t kDocumentPicturePixels = 6'000'000;
inline constexpr int kBankPictureSurfaces = 2;
inline constexpr int kChargeLayerSurfaces = 4;

constexpr std::int64_t bankPictureCost(std::int64_t width, std::int64_t height) {
    return kBankPictureSurfaces * width * height;
}
constexpr std::int64_t chargeCost(std::int64_t width, std::int64_t height) {
    return kChargeLayerSurfaces * width * height;
}
// A picture that comes in to be placed: in the bank, with its first charge.
constexpr std::int64_t newPictureCost(std::int64_t width, std::int64_t height) {
    return bankPictureCost(width, height) + chargeCost(width, height);
}
inline constexpr std::int64_t kInsertedArmsCost = std::int64_t(kCanvasWidth) * kCanvasHeight;
// The picture an inserted coat of arms is read from (a document's preview,
// a part's side file) is kept at the canvas size: a file with more than a few
// canvases' worth of pixels is none of them, which bounds its decoding.
inline constexpr std::int64_t kLargestArmsPicturePixels = 16 * kInsertedArmsCost;

// The bytes one document's bank pictures and masks may take together when
// it is opened. A save writes 24-bit bitmaps, at most 3 bytes for each pixel
// the budget counts and rows padded to 4 bytes (some 6 MB over 255 pictures of
// 4096 rows); a side file the user found again may be a 32-bit bitmap, at
// most 4 bytes a counted pixel. No save comes near this, and fifty side files
// padded to gigabytes cost no more than it.
inline constexpr std::uint64_t kDocumentSideFileBytes =
    std::uint64_t(kDocumentPicturePixels) * 4 + (8u << 20);

// What the document's pictures cost now: the bank pictures in use, the
// charges in use and the held one (it comes back).
std::int64_t DocumentPictureCost(const BlazonRecord& blazon, const ImageBank& bank, int heldCharge);
// What is left of the budget (never below 0).
std::int64_t PictureBudgetLeft(const BlazonRecord& blazon, const ImageBank& bank, int heldCharge);

// The pixels a new picture may have for its bank entry and first charge to
// fit in `left`; and the side of the largest square picture that fits (0 when
// none does), for the messages that refuse one.
std::int64_t newPicturePixels(std::int64_t left);
int largestNewSquareSide(std::int64_t left);

}  // namespace tess
