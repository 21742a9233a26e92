// The game core on its own, without a window: a start on a folder that is
// not the working folder, the tick and what it shows, and the operations
// that change a game.
#include <gtest/gtest.h>

#include "bmp_bytes.h"
#include "game_core.h"
#include "game_error.h"
#include "game_folder.h"

namespace lumera {
namespace {

using testing::GameFolder;

// A view that keeps a copy of every frame it is shown.
class RecordingView : public FrameView {
public:
    void present(const Surface& frame) override
    {
        shown = frame;
        ++presents;
    }
    void keepShownPixels() override { ++keeps; }
    std::uint64_t shownVersion() const override { return shown.version(); }

    Surface shown;
    int presents = 0;
    int keeps = 0;
};

class CoreOnFolder : public ::testing::Test {
protected:
    CoreOnFolder() : core(folder.files())
    {
        core.setFrameView(&view);
        core.setSeedSource([] { return 1u; });
    }

    GameFolder folder;
    GameCore core;
    RecordingView view;
};

TEST_F(CoreOnFolder, AStartReadsTheFilesOfItsRootAndTheTickShowsTheFrame)
{
    core.start();
    EXPECT_TRUE(core.laidOut());
    EXPECT_EQ(core.game().pictureCount, 2);
    EXPECT_EQ(core.settings().textureSet, kDarkTextures);
    EXPECT_EQ(core.mapNames().count(), 2);
    EXPECT_EQ(core.mapNames().name(1), "Second ");
    EXPECT_EQ(core.history().readLine(0), "\xC8\xF1\xF2\xEE\xF0\xE8\xFF");
    EXPECT_EQ(core.textures().count(), GameFiles::kTexturesPerSet);
    EXPECT_EQ(core.frame().surface().width(), 600);

    core.tick();
    ASSERT_EQ(view.presents, 1);
    EXPECT_EQ(view.shown.image(), core.frame().surface().image());
    EXPECT_EQ(view.shown.pixel(5, 5), testing::fixtureTextureColour(1, 1));
}

TEST_F(CoreOnFolder, ErrorsNameTheFilesUnderTheRoot)
{
    std::filesystem::remove(folder / "config.ini");
    EXPECT_THROW(core.start(), GameError);
    try {
        core.start();
    } catch (const GameError& error) {
        EXPECT_EQ(error.message(), "Cannot open file \"" + (folder / "config.ini").string() + "\". No such file or directory");
    }
    EXPECT_FALSE(core.laidOut());
    EXPECT_EQ(core.historyReads(), 2u); // the history came before it, both times
}

TEST_F(CoreOnFolder, ASettledBoardIsShownOnceAndThenLeftAlone)
{
    core.start();
    for (int i = 0; i < 40; ++i) core.tick();
    const int settled = view.presents;
    for (int i = 0; i < 10; ++i) core.tick();
    EXPECT_EQ(view.presents, settled);

    core.game().colourCount = 1;
    core.leftPress(5, 5); // the board is one colour: it all rises
    core.tick();
    EXPECT_EQ(view.presents, settled + 1);
    EXPECT_EQ(core.game().score, 1024 * 1024);
    EXPECT_EQ(core.game().messages[0].value, 1024);
}

TEST_F(CoreOnFolder, ARandomDealKeepsTheLastTickShownAndClearsTheFrame)
{
    core.start();
    core.tick();
    core.dealRandom(Difficulty::hard);
    EXPECT_EQ(view.keeps, 1);
    EXPECT_EQ(core.game().colourCount, 5);
    EXPECT_EQ(core.frame().surface().pixel(599, 511), kBlack);
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) ASSERT_TRUE(core.game().board.at(x, y) >= 1 && core.game().board.at(x, y) <= 5);
}

TEST_F(CoreOnFolder, OptionsAndTextureSetsChangeOnlyThroughTheirOperations)
{
    core.start();
    core.toggleOption(&Options::flatCells);
    core.toggleOption(&Options::messagesOff);
    core.toggleOption(&Options::messagesOff);
    core.chooseTextureSet(kLightTextures);
    EXPECT_EQ(core.settings(), (Settings{Options{.flatCells = true}, kLightTextures}));
    EXPECT_EQ(core.textures().count(), GameFiles::kTexturesPerSet);
    core.saveSettings();
    EXPECT_EQ(testing::readBytes(folder / "data.ini"), "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n2\r\n");
}

TEST_F(CoreOnFolder, AMapIsPreviewedAndLoadedByItsPlaceInTheList)
{
    std::string map = "4\r\n";
    for (int x = 0; x < 32; ++x) map += std::string(32, x == 0 ? '2' : '1') + "\r\n";
    folder.write("map/Second .txt", map);
    core.start();
    core.game().score = 50;
    core.previewMap(1);
    EXPECT_EQ(core.game().score, 0);
    EXPECT_EQ(core.mapPreview().surface().pixel(1, 1), *fillColour(2));
    core.loadMap(1);
    EXPECT_EQ(core.game().colourCount, 4);
    EXPECT_EQ(core.game().board.at(0, 5), 2);
    EXPECT_EQ(core.game().board.at(1, 5), 1);
    EXPECT_THROW(core.loadMap(2), GameError); // "List index out of bounds (2)"
}

TEST(GameFiles, NamesEachFileUnderItsRoot)
{
    const GameFiles files{"/games/lumera"};
    const struct {
        std::filesystem::path named;
        const char* expected;
    } rows[] = {
        {files.history(), "/games/lumera/history.txt"},
        {files.config(), "/games/lumera/config.ini"},
        {files.settings(), "/games/lumera/data.ini"},
        {files.backgroundPicture(-7), "/games/lumera/pic/-7.bmp"},
        {files.texture(kLightTextures, 9), "/games/lumera/img/2/9.bmp"},
        {files.map("\xC7\xE2\xE5\xE7\xE4\xE0 "), "/games/lumera/map/Звезда .txt"},
        {GameFiles{}.config(), "config.ini"}, // the working folder
    };
    for (const auto& row : rows) EXPECT_EQ(row.named, std::filesystem::path(row.expected));
}

} // namespace
} // namespace lumera
