// The outlines of the second-order pieces on the 265 x 340 key surface. Lines
// reach past the borders so that the regions they separate are closed.
#include "render/ordinary2_outline.h"

#include <initializer_list>

#include "render/heraldic_line.h"
#include "render/key_colours.h"

namespace tess {

namespace {

struct Segment {
    double x1, y1, x2, y2;
};

void plain(Surface& work, std::initializer_list<Segment> segments) {
    for (const Segment& s : segments) work.line(s.x1, s.y1, s.x2, s.y2, kLineColour);
}

Ordinary2Seeds seeds(SeedPoint piece, std::initializer_list<SeedPoint> field) {
    Ordinary2Seeds out;
    out.Piece = piece;
    for (const SeedPoint& f : field) out.Field[std::size_t(out.FieldCount++)] = f;
    return out;
}

void pairle(Surface& work, int s) {
    if (s < 0) {
        plain(work, {{132, 163, 7, -1},
                     {132, 163, 258, -1},
                     {127, 172, -1, 7},
                     {137, 172, 266, 7},
                     {127, 172, 127, 341},
                     {137, 172, 137, 341}});
        return;
    }
    plain(work, {{132, 98.0 + s, 60.0 - s, -1},
                 {132, 98.0 + s, 205.0 + s, -1},
                 {87.0 + s, 170, -1, 60.0 - s},
                 {177.0 - s, 170, 266, 60.0 - s},
                 {87.0 + s, 170, 87.0 + s, 341},
                 {177.0 - s, 170, 177.0 - s, 341}});
}

void sautoir(Surface& work, int s) {
    if (s < 0) {
        plain(work, {{132, 163, 7, -1},
                     {132, 163, 258, -1},
                     {125, 170, -1, 7},
                     {139, 170, 266, 7},
                     {125, 170, -1, 333},
                     {139, 170, 266, 333},
                     {132, 177, 7, 341},
                     {132, 177, 258, 341}});
        return;
    }
    plain(work, {{132, 103.0 + s, 60.0 - s, -1},
                 {132, 103.0 + s, 205.0 + s, -1},
                 {82.0 + s, 170, -1, 60.0 - s},
                 {182.0 - s, 170, 266, 60.0 - s},
                 {82.0 + s, 170, -1, 280.0 + s},
                 {182.0 - s, 170, 266, 280.0 + s},
                 {132, 237.0 - s, 60.0 - s, 340},
                 {132, 237.0 - s, 205.0 + s, 340}});
}

void croix(Surface& work, int s) {
    if (s < 0) {
        plain(work, {{127, 0, 127, 165},
                     {137, 0, 137, 165},
                     {0, 165, 128, 165},
                     {0, 175, 127, 175},
                     {127, 175, 127, 350},
                     {137, 175, 137, 350},
                     {137, 165, 275, 165},
                     {137, 175, 275, 175}});
        return;
    }
    const double left = 88.0 + s, right = 176.0 - s, top = 126.0 + s, bottom = 214.0 - s;
    plain(work, {{left, 0, left, top},
                 {right, 0, right, top},
                 {0, top, left + 1, top},
                 {0, bottom, left, bottom},
                 {left, bottom, left, 350},
                 {right, bottom, right, 350},
                 {right, top, 275, top},
                 {right, bottom, 275, bottom}});
}

}  // namespace

Ordinary2Seeds drawOrdinary2Outline(Surface& work, const OrdinaryRecord& piece,
                                    const LineStyle& line) {
    auto edge = [&](int x1, int y1, int x2, int y2, int direction) {
        DrawHeraldicLine(work, x1, y1, x2, y2, line, kLineColour, true, direction);
    };
    const int s = piece.Size;
    switch (piece.Type) {
        case kAdextre:
            edge(88, -5, 88, 345, kLineVertical);
            return seeds({2, 2}, {{263, 338}, {263, 338}});
        case kSenestre:
            edge(177, -5, 177, 345, kLineVertical);  // two thirds of the width
            return seeds({263, 2}, {{2, 2}, {2, 2}});
        case kChampagne:
            edge(-2, 227, 267, 227, kLineHorizontal);
            return seeds({132, 338}, {{2, 2}, {2, 2}});
        case kCanton:
            plain(work, {{88, 88, -2, 88}, {88, 88, 88, -2}});
            return seeds({2, 2}, {{263, 338}, {263, 338}});
        case kFrancQuartier:
            plain(work, {{-1, 132, 132, 132}, {132, -1, 132, 132}});
            return seeds({2, 2}, {{263, 338}, {263, 338}});
        case kCorniere:
            plain(work, {{266, 132, 132, 132}, {132, -1, 132, 132}});
            return seeds({263, 2}, {{2, 338}, {2, 338}});
        case kEsquarre:
            // The inner square is field, as the rest of the shield is.
            plain(work, {{266, 132, 132, 132},
                         {132, -1, 132, 132},
                         {266, 99, 165, 99},
                         {165, -1, 165, 99}});
            return seeds({137, 2}, {{263, 2}, {2, 2}});
        case kGiron:
            plain(work, {{-1, 170, 132, 170}, {-1, -1, 132, 170}});
            return seeds({2, 25}, {{263, 338}, {263, 338}});
        case kPile:
            plain(work, {{88, -1, 132, 341}, {265.0 - 265.0 / 3, -1, 132, 341}});
            return seeds({132, 2}, {{2, 338}, {263, 338}});
        case kPointe:
            plain(work, {{88, 342, 132, 0}, {177, 342, 132, 0}});
            return seeds({132, 335}, {{2, 2}, {263, 2}});
        case kPairle:
            pairle(work, s);
            return seeds({132, 170}, {{132, 2}, {132, 2}, {2, 170}, {263, 170}});
        case kSautoir:
            sautoir(work, s);
            return seeds({132, 170}, {{132, 5}, {1, 170}, {263, 170}, {132, 339}});
        default:
            croix(work, s);
            return seeds({132, 2}, {{1, 1}, {264, 1}, {1, 339}, {264, 339}});
    }
}

}  // namespace tess
