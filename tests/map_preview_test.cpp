#include <gtest/gtest.h>

#include "error_text.h"
#include "map_preview.h"

namespace lumera {
namespace {

// A map text whose column x (a line of the file) is `columns[x]`, the rest
// of each column and the columns after filled with `fill`.
LineBuffer mapOf(std::vector<std::string> columns, char fill = '1')
{
    columns.resize(32);
    std::string text = "3\r\n";
    for (std::string& column : columns) text += column + std::string(32 - std::min<std::size_t>(column.size(), 32), fill) + "\r\n";
    LineBuffer lines;
    lines.loadBytes(text);
    return lines;
}

Colour squareAt(PictureComponent& preview, int x, int y)
{
    return preview.surface().pixel(4 * x + 1, 4 * y + 1);
}

TEST(MapPreview, EachCellIsASquareOfItsColourAndBubblesKeepTheBrushBeforeThem)
{
    const LineBuffer lines = mapOf({"23", "79"}); // cells (0,0)=2 (0,1)=3 (1,0)=7 (1,1)=9
    PictureComponent preview(128, 128);
    drawMapPreview(PreparedMap(lines), preview);
    EXPECT_EQ(squareAt(preview, 0, 0), *fillColour(2));
    EXPECT_EQ(squareAt(preview, 0, 1), *fillColour(3));
    // Row 0 is drawn left to right: the bubble at (1, 0) follows the 2.
    EXPECT_EQ(squareAt(preview, 1, 0), *fillColour(2));
    // Row 1: the empty cell at (1, 1) follows the 3.
    EXPECT_EQ(squareAt(preview, 1, 1), *fillColour(3));
    EXPECT_EQ(preview.surface().pixel(127, 127), *fillColour(1));
}

TEST(MapPreview, ABadCellStopsTheDrawingWhereItLies)
{
    const LineBuffer lines = mapOf({"1", "1a"}); // the letter is cell (1, 1)
    PictureComponent preview(128, 128);
    EXPECT_EQ(testing::errorOf([&] { drawMapPreview(PreparedMap(lines), preview); }), "'a' is not a valid integer value");
    EXPECT_EQ(squareAt(preview, 0, 1), *fillColour(1)); // drawn before it
    EXPECT_EQ(squareAt(preview, 2, 1), kWhite);          // not reached
}

TEST(MapPreview, AMapThatFailsBeforeItsFirstSquareLeavesNoPicture)
{
    const LineBuffer lines = mapOf({"x"});
    PictureComponent preview(128, 128);
    EXPECT_NE(testing::errorOf([&] { drawMapPreview(PreparedMap(lines), preview); }), "(no error)");
    EXPECT_FALSE(preview.hasPicture());
}

} // namespace
} // namespace lumera
