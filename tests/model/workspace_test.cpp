#include <gtest/gtest.h>

#include "model/workspace.h"

namespace tess {
namespace {

TEST(Warnings, ListKeepsTheFirstTwentyFive) {
    WarningList list;
    for (int i = 1; i <= 30; ++i) AddWarning(list, 2, i);
    EXPECT_EQ(list.count(), 25);
    EXPECT_EQ(list.Entries[25].Item, 25);
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

}  // namespace
}  // namespace tess
