#include <gtest/gtest.h>

#include "bmp_bytes.h"
#include "game_error.h"
#include "picture_component.h"
#include "pixel_check.h"
#include "temp_folder.h"

namespace lumera {
namespace {

using testing::BmpLayout;
using testing::TempFolder;

TEST(PictureComponent, FirstSurfaceIsWhiteAtTheSizeOfThatMomentForGood)
{
    PictureComponent frame(105, 105);
    frame.setSize(600, 512);
    Surface& surface = frame.surface();
    EXPECT_EQ(surface.width(), 600);
    EXPECT_EQ(surface.height(), 512);
    EXPECT_TRUE(testing::pixelsMatch(surface, [](int, int) { return kWhite; }));
    EXPECT_EQ(surface.brushColour(), kWhite);
    EXPECT_EQ(surface.penColour(), kBlack);

    surface.setBrushColour(kBlack);
    frame.setSize(128, 128);
    EXPECT_EQ(&frame.surface(), &surface);
    EXPECT_EQ(frame.surface().width(), 600);
    EXPECT_EQ(frame.surface().brushColour(), kBlack); // the drawing state lasts
}

TEST(PictureComponent, ALoadReplacesThePictureAtTheFilesSize)
{
    const TempFolder folder;
    PictureComponent picture(512, 512);
    picture.load(folder.write("1.bmp", testing::bmpFile(2, 3, std::vector<Colour>(6, rgb(1, 2, 3)), BmpLayout::Rgb24BottomUp)));
    EXPECT_EQ(picture.surface().width(), 2);
    EXPECT_EQ(picture.surface().height(), 3);
    EXPECT_EQ(picture.surface().pixel(1, 2), rgb(1, 2, 3));
}

TEST(PictureComponent, AFailedLoadKeepsTheOldPicturePixelForPixel)
{
    const TempFolder folder;
    std::vector<Colour> pixels;
    for (int i = 0; i < 16 * 16; ++i) pixels.push_back(rgb(static_cast<std::uint8_t>(i), 7, static_cast<std::uint8_t>(255 - i)));
    PictureComponent picture(512, 512);
    picture.load(folder.write("1.bmp", testing::bmpFile(16, 16, pixels, BmpLayout::Rgb24BottomUp)));
    const QImage before = picture.surface().image().copy();

    for (const char* broken : {"2.bmp", "3.bmp", "4.png"}) {
        folder.write("3.bmp", "BMxx");
        EXPECT_THROW(picture.load(folder / broken), GameError) << broken;
        EXPECT_EQ(picture.surface().image(), before) << broken;
    }
}

TEST(PictureComponent, BitmapOfAnEmptyComponentIsEmpty)
{
    PictureComponent texture(16, 16);
    EXPECT_EQ(texture.bitmap().width(), 0);
    EXPECT_TRUE(texture.hasPicture());
}

} // namespace
} // namespace lumera
