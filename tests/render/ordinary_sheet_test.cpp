// Sheets of every piece in every size, shift and repeat, written only when
// TESSALINE_DUMP_PICTURES names a folder: for looking at, not for checking.
#include "ordinary_redraw_fixture.h"

namespace tess {
namespace {

using testing::OrdinaryRedraw;

class OrdinarySheet : public testing::OrdinaryRedraw {
  protected:
    void sheet(const std::string& name, const std::vector<Surface>& pictures) {
        std::vector<const Surface*> ptrs;
        for (const Surface& s : pictures) ptrs.push_back(&s);
        testing::dumpMontage(ptrs, name);
    }
};

TEST_F(OrdinarySheet, FirstOrderPieces) {
    if (!std::getenv("TESSALINE_DUMP_PICTURES")) GTEST_SKIP();
    zone(7).Line.LineKind = 11;
    for (Long type = 1; type <= 9; ++type) {
        std::vector<Surface> row;
        for (Integer size : {0, 1, -1})
            for (Integer shift : {-1, 0, 1}) {
                first(type, size, shift);
                redraw();
                row.push_back(r.canvas);
            }
        sheet("first_" + std::to_string(type), row);
    }
}

TEST_F(OrdinarySheet, FirstOrderRepeats) {
    if (!std::getenv("TESSALINE_DUMP_PICTURES")) GTEST_SKIP();
    zone(7).Line.LineKind = 13;
    std::vector<Surface> row;
    for (Long type = 2; type <= 7; ++type)
        for (Byte repeat : {1, 2}) {
            first(type, 0, 0, repeat);
            redraw();
            row.push_back(r.canvas);
        }
    sheet("first_repeats", row);
}

TEST_F(OrdinarySheet, SecondOrderPieces) {
    if (!std::getenv("TESSALINE_DUMP_PICTURES")) GTEST_SKIP();
    zone(5).Line.LineKind = 11;
    for (Integer size : {0, 1, -1}) {
        std::vector<Surface> row;
        for (Long type = 10; type <= 22; ++type) {
            second(type, size);
            redraw();
            row.push_back(r.canvas);
        }
        sheet("second_" + std::to_string(size + 1), row);
    }
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST_F(OrdinarySheet, PiecesOnEveryShape) {
    if (!std::getenv("TESSALINE_DUMP_PICTURES")) GTEST_SKIP();
    for (Long type : {kOrle, kBordure, kEcusson}) {
        std::vector<Surface> row;
        for (int shape = 1; shape <= 7; ++shape) {
            ws.CurrentBlazon.ShieldShape = shape;
            first(type);
            redraw();
            row.push_back(r.canvas);
        }
        sheet("shapes_" + std::to_string(type), row);
    }
}

}  // namespace
}  // namespace tess
