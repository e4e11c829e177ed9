#include "data/text_grid.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(TextGrid, ShapeKeepsOverlappingCellsAndClearSparesTheHeaders) {
    TextGrid grid;
    ShapeGrid(grid, 3, 3, 1, 1);
    grid.At(0, 1) = "head";
    grid.At(1, 0) = "label";
    grid.At(2, 2) = "value";
    ShapeGrid(grid, 4, 3, 1, 1);
    EXPECT_EQ(grid.At(2, 2), "value");
    EXPECT_EQ(grid.At(3, 2), "");
    ClearGrid(grid);
    EXPECT_EQ(grid.At(0, 1), "head");
    EXPECT_EQ(grid.At(1, 0), "label");
    EXPECT_EQ(grid.At(2, 2), "");
    EXPECT_THROW(grid.At(4, 0), std::out_of_range);
}

TEST(FillGridColumn, ClearsTheColumnAndSkipsEmptyTexts) {
    TextGrid grid;
    ShapeGrid(grid, 5, 2, 1, 1);
    for (int r = 0; r < 5; ++r) grid.At(r, 1) = "old";
    FillGridColumn(grid, 3, 1, {"", "1.5", "", "2"});
    EXPECT_EQ(grid.At(0, 1), "");
    EXPECT_EQ(grid.At(1, 1), "1.5");
    EXPECT_EQ(grid.At(2, 1), "");
    EXPECT_EQ(grid.At(3, 1), "2");
    EXPECT_EQ(grid.At(4, 1), "");  // cleared although beyond the last index
    FillGridColumn(grid, 2, 1, {"", "1.005", "0.5"}, "0.00");
    EXPECT_EQ(grid.At(1, 1), "1.01");
    EXPECT_EQ(grid.At(2, 1), "0.50");
}

}  // namespace
}  // namespace jw
