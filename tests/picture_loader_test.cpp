#include <gtest/gtest.h>

#include <functional>

#include "bmp_bytes.h"
#include "error_text.h"
#include "game_error.h"
#include "picture_loader.h"
#include "pixel_check.h"
#include "temp_folder.h"

namespace lumera {
namespace {

using testing::BmpLayout;
using testing::TempFolder;

// Three columns, two rows; every pixel a different colour, none of them
// pure white, two of them almost white.
const std::vector<Colour> kPixels = {rgb(255, 0, 0),     rgb(0, 200, 0), rgb(0, 0, 255),
                                     rgb(255, 255, 254), rgb(1, 2, 3),   rgb(254, 255, 255)};

using testing::errorOf;

std::string layoutName(const ::testing::TestParamInfo<BmpLayout>& info)
{
    static const char* const kNames[] = {"Rgb24BottomUp", "Rgb24TopDown", "Rgb32", "Palette8", "Rle8"};
    return kNames[static_cast<int>(info.param)];
}

class PictureLayouts : public ::testing::TestWithParam<BmpLayout> {};

TEST_P(PictureLayouts, DecodeToTheirPixels)
{
    const TempFolder folder;
    const auto file = folder.write("pic/1.bmp", testing::bmpFile(3, 2, kPixels, GetParam()));
    const Surface picture = loadPicture(file);
    ASSERT_EQ(picture.width(), 3);
    ASSERT_EQ(picture.height(), 2);
    EXPECT_TRUE(testing::pixelsMatch(picture, [](int x, int y) { return kPixels[static_cast<std::size_t>(y * 3 + x)]; }));
}

INSTANTIATE_TEST_SUITE_P(Layouts, PictureLayouts,
                         ::testing::Values(BmpLayout::Rgb24BottomUp, BmpLayout::Rgb24TopDown, BmpLayout::Rgb32,
                                           BmpLayout::Palette8, BmpLayout::Rle8),
                         layoutName);

struct Outcome {
    const char* name;
    const char* fileName;
    std::function<std::string()> bytes; // nothing written when it returns "<none>"
    const char* error;                  // "" for success
};

void PrintTo(const Outcome& c, std::ostream* os) { *os << c.name; }

class PictureOutcomes : public ::testing::TestWithParam<Outcome> {};

TEST_P(PictureOutcomes, GiveThePlayersMessage)
{
    const TempFolder folder;
    const auto file = folder / GetParam().fileName;
    if (const std::string bytes = GetParam().bytes(); bytes != "<none>") folder.write(GetParam().fileName, bytes);
    std::string expected = GetParam().error;
    const std::string placeholder = "%path";
    if (const auto at = expected.find(placeholder); at != std::string::npos)
        expected.replace(at, placeholder.size(), file.string());
    EXPECT_EQ(errorOf([&] { loadPicture(file); }), expected.empty() ? "(no error)" : expected);
}

const auto valid = [] { return testing::bmpFile(3, 2, kPixels, BmpLayout::Rgb24BottomUp); };

// 16 x 16 at 24 bits: 54 bytes of headers, then 16 rows of 48 bytes.
std::string picture16()
{
    std::vector<Colour> pixels;
    for (int i = 0; i < 256; ++i) pixels.push_back(rgb(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7));
    return testing::bmpFile(16, 16, pixels, BmpLayout::Rgb24BottomUp);
}
constexpr std::size_t kOffsetField = 10;
constexpr std::size_t kHeightField = 22;

// A 2 x 2 picture of one colour, run-length coded with the given runs: its
// headers and one-colour palette take 58 bytes.
std::string runLengths(const std::string& runs)
{
    return testing::bmpFile(2, 2, std::vector<Colour>(4, rgb(9, 8, 7)), BmpLayout::Rle8).substr(0, 58) + runs;
}
const std::string kBothRows("\x02\x00\x00\x00\x02\x00\x00\x01", 8);

INSTANTIATE_TEST_SUITE_P(
    Files, PictureOutcomes,
    ::testing::Values(
        Outcome{"UpperCaseExtension", "1.BMP", valid, ""},
        Outcome{"OtherExtension", "1.png", valid, "Unknown picture file extension (.png)"},
        Outcome{"NoExtension", "picture", valid, "Unknown picture file extension (.)"},
        Outcome{"DotOnlyInTheFolder", "pic.d/1", valid, "Unknown picture file extension (.)"},
        Outcome{"Missing", "2.bmp", [] { return std::string("<none>"); },
                "Cannot open file \"%path\". No such file or directory"},
        Outcome{"OneByte", "1.bmp", [] { return std::string("B"); }, "Stream read error"},
        Outcome{"ThirteenBytes", "1.bmp", [] { return valid().substr(0, 13); }, "Stream read error"},
        Outcome{"HeaderOnlyFourteen", "1.bmp", [] { return valid().substr(0, 14); }, "Bitmap image is not valid"},
        Outcome{"WrongSignature", "1.bmp", [] { return "XM" + valid().substr(2); }, "Bitmap image is not valid"},
        Outcome{"NotABitmapAtAll", "1.bmp", [] { return std::string("BMP pictures are not text files"); },
                "Bitmap image is not valid"},
        Outcome{"GiantHeaderSize", "1.bmp", [] { return testing::bmpHeaderOnly(100000, 100000, 64); },
                "Bitmap image is not valid"},
        Outcome{"NegativeWidth", "1.bmp", [] { return testing::bmpHeaderOnly(-16, 16, 64); },
                "Bitmap image is not valid"},
        Outcome{"ZeroHeight", "1.bmp", [] { return testing::bmpHeaderOnly(16, 0, 64); }, "Bitmap image is not valid"},
        // Pixel data the header promises but the file does not hold.
        Outcome{"Whole16", "1.bmp", picture16, ""},
        Outcome{"TruncatedByOneByte", "1.bmp", [] { return picture16().substr(0, 54 + 768 - 1); },
                "Bitmap image is not valid"},
        Outcome{"TruncatedByOneRow", "1.bmp", [] { return picture16().substr(0, 54 + 768 - 48); },
                "Bitmap image is not valid"},
        Outcome{"TruncatedByHalf", "1.bmp", [] { return picture16().substr(0, 54 + 384); },
                "Bitmap image is not valid"},
        Outcome{"OffsetAtTheEnd", "1.bmp", [] { return testing::withField32(picture16(), kOffsetField, 54 + 768); },
                "Bitmap image is not valid"},
        Outcome{"OffsetPastTheEnd", "1.bmp",
                [] { return testing::withField32(picture16(), kOffsetField, 0x7FFF'FFFF); }, "Bitmap image is not valid"},
        Outcome{"OffsetInsideTheHeader", "1.bmp", [] { return testing::withField32(picture16(), kOffsetField, 40); },
                "Bitmap image is not valid"},
        Outcome{"OffsetInsideThePalette", "1.bmp",
                [] { return testing::withField32(testing::bmpFile(3, 2, kPixels, BmpLayout::Palette8), kOffsetField, 60); },
                "Bitmap image is not valid"},
        // Run lengths must give every pixel, row by row.
        Outcome{"RunsForEveryPixel", "1.bmp", [] { return runLengths(kBothRows); }, ""},
        Outcome{"RunsWithoutTheEndMark", "1.bmp", [] { return runLengths(kBothRows.substr(0, 6)); }, ""},
        Outcome{"RunsCutShort", "1.bmp", [] { return runLengths(kBothRows.substr(0, 5)); }, "Bitmap image is not valid"},
        Outcome{"RunsEndEarly", "1.bmp", [] { return runLengths(std::string("\x02\x00\x00\x00\x01\x00\x00\x01", 8)); },
                "Bitmap image is not valid"},
        Outcome{"RunsEndARowEarly", "1.bmp",
                [] { return runLengths(std::string("\x01\x00\x00\x00\x02\x00\x00\x01", 8)); },
                "Bitmap image is not valid"},
        Outcome{"RunsJumpOverPixels", "1.bmp",
                [] { return runLengths(std::string("\x02\x00\x00\x00\x00\x02\x01\x00\x01\x00\x00\x01", 12)); },
                "Bitmap image is not valid"},
        Outcome{"RunPastTheRow", "1.bmp", [] { return runLengths(std::string("\x03\x00\x00\x00\x02\x00\x00\x01", 8)); },
                "Bitmap image is not valid"},
        Outcome{"RunsTopDown", "1.bmp",
                [] { return testing::withField32(runLengths(kBothRows), kHeightField, static_cast<std::uint32_t>(-2)); },
                "Bitmap image is not valid"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PictureLoader, EmptyFileIsAnEmptyPicture)
{
    const TempFolder folder;
    const Surface picture = loadPicture(folder.write("1.bmp", ""));
    EXPECT_EQ(picture.width(), 0);
    EXPECT_EQ(picture.height(), 0);
}

// Every cut of a valid file from its 14-byte header on is refused; a
// run-length file needs no end-of-bitmap mark once its last pixel is given.
TEST_P(PictureLayouts, EveryTruncationIsRefused)
{
    const std::string whole = testing::bmpFile(16, 3, std::vector<Colour>(48, rgb(9, 8, 7)), GetParam());
    const std::size_t endMark = GetParam() == BmpLayout::Rle8 ? 2 : 0;
    for (std::size_t size = 14; size < whole.size() - endMark; ++size)
        EXPECT_EQ(errorOf([&] { decodePicture(whole.substr(0, size)); }), "Bitmap image is not valid") << size;
}

} // namespace
} // namespace lumera
