#include <gtest/gtest.h>

#include <QTextDocument>
#include <functional>
#include <new>
#include <system_error>
#include <string_view>

#include "window_on_folder.h"
#include "main_window.h"

namespace lumera {
namespace {

using testing::GameFolder;
using testing::WindowOnFolder;

std::string halfOf(const std::filesystem::path& file)
{
    const std::string bytes = testing::readBytes(file);
    return bytes.substr(0, bytes.size() / 2);
}

std::string repeated(std::string_view piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out.append(piece);
    return out;
}

bool allCells(const Board& board, CellCode code)
{
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y)
            if (board.at(x, y) != code) return false;
    return true;
}

std::vector<bool> optionMarks(MainWindow& window)
{
    const MainMenu& m = window.menu();
    return {m.gridOffOption->isChecked(), m.bubblesOffOption->isChecked(), m.picturesOffOption->isChecked(), m.smoothAnimationOffOption->isChecked(), m.texturesOffOption->isChecked(), m.floatingMessagesOffOption->isChecked()};
}

TEST(WindowStart, FirstStartDealsOneColourAndLaysOutTheGame)
{
    const GameFolder folder;
    WindowOnFolder w(folder);
    EXPECT_TRUE(w.errors().empty());
    EXPECT_TRUE(allCells(w.game().board, 1));
    EXPECT_TRUE(w.game().board.guardRingIsClear());
    EXPECT_EQ(w.game().score, 0);
    EXPECT_EQ(w.game().pictureCount, 2);
    EXPECT_EQ(w.core().settings().textureSet, 1);
    EXPECT_EQ(w.game().mapListLoaded, 1);
    EXPECT_EQ(w->clientSize(), QSize(600, 512));
    EXPECT_EQ(w.core().textures().count(), GameFiles::kTexturesPerSet);
    EXPECT_EQ(w->mapList().count(), 2);
    EXPECT_EQ(w->mapList().itemText(1), "Second "); // kept exactly, blank and all
    EXPECT_EQ(w->historyView().toPlainText(), "История\n");
    EXPECT_EQ(w.core().backgroundPicture().surface().width(), 512);
    EXPECT_TRUE(w->menu().picturesOffOption->isEnabled());
    EXPECT_EQ(optionMarks(w.window()), std::vector<bool>(6, false));
    EXPECT_EQ(w->windowTitle(), "Лумера");
    EXPECT_FALSE(w->panelShown());
}

TEST(WindowStart, TheWindowIsFixedInSizeWithoutMaximiseAndCarriesItsIcon)
{
    const GameFolder folder;
    WindowOnFolder w(folder);
    w->show();
    EXPECT_EQ(w->pos(), QPoint(222, 66));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->centralWidget()->size(), QSize(600, 512));
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_TRUE(w->windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(WindowStart, OptionsAndTextureTypeComeFromDataIni)
{
    GameFolder folder;
    folder.write("data.ini", "5\r\n0\r\n1\r\n-1\r\n0\r\n$1\r\n2\r\nextra\r\nlines\r\n");
    WindowOnFolder w(folder);
    EXPECT_TRUE(w.errors().empty());
    EXPECT_EQ(optionMarks(w.window()), (std::vector<bool>{true, false, true, true, false, true}));
    EXPECT_EQ(w.core().settings().textureSet, 2);
}

// One row for each step of the start-up that can fail.
struct StartFailure {
    const char* name;
    std::function<void(GameFolder&)> breakFolder;
    std::string message; // "%" stands for the folder
    bool laidOut;        // the layout step was reached
    int textures;
    std::int32_t mapListLoaded;
    int names;
};

void PrintTo(const StartFailure& c, std::ostream* os) { *os << c.name; }

class WindowStartFailure : public ::testing::TestWithParam<StartFailure> {};

TEST_P(WindowStartFailure, StopsWhereTheStepFailsAndShowsWhy)
{
    const StartFailure& c = GetParam();
    GameFolder folder;
    c.breakFolder(folder);
    WindowOnFolder w(folder);

    std::string message = c.message;
    if (const auto at = message.find('%'); at != std::string::npos) message.replace(at, 1, folder.path().string());
    if (message.empty()) {
        EXPECT_TRUE(w.errors().empty());
    } else {
        EXPECT_EQ(w.errors(), std::vector<std::string>{message});
    }
    EXPECT_EQ(w->clientSize(), c.laidOut ? QSize(600, 512) : QSize(496, 372));
    EXPECT_EQ(allCells(w.game().board, 1), c.laidOut);
    EXPECT_EQ(w.core().textures().count(), c.textures);
    EXPECT_EQ(w.game().mapListLoaded, c.mapListLoaded);
    EXPECT_EQ(w->mapList().count(), c.names);
    EXPECT_TRUE(w.game().board.guardRingIsClear());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WindowStartFailure,
    ::testing::Values(
        StartFailure{.name = "MissingHistory",
                     .breakFolder = [](GameFolder& f) { std::filesystem::remove(f / "history.txt"); },
                     .message = "Cannot open file \"%/history.txt\". No such file or directory.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 0},
        StartFailure{.name = "MissingConfig",
                     .breakFolder = [](GameFolder& f) { std::filesystem::remove(f / "config.ini"); },
                     .message = "Cannot open file \"%/config.ini\". No such file or directory.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 0},
        StartFailure{.name = "PictureCountNotANumber",
                     .breakFolder = [](GameFolder& f) { f.write("config.ini", "two\r\n2\r\nA\r\nB\r\n"); },
                     .message = "'two' is not a valid integer value.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 0},
        StartFailure{.name = "MapCountNotANumber",
                     .breakFolder = [](GameFolder& f) { f.write("config.ini", "2\r\n2 \r\nA\r\nB\r\n"); },
                     .message = "'2 ' is not a valid integer value.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 0},
        StartFailure{.name = "MissingData",
                     .breakFolder = [](GameFolder& f) { std::filesystem::remove(f / "data.ini"); },
                     .message = "Cannot open file \"%/data.ini\". No such file or directory.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 2},
        StartFailure{.name = "OptionNotANumber",
                     .breakFolder = [](GameFolder& f) { f.write("data.ini", "1\r\n1\r\non\r\n"); },
                     .message = "'on' is not a valid integer value.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 2},
        StartFailure{.name = "TextureTypeMissing",
                     .breakFolder = [](GameFolder& f) { f.write("data.ini", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"); },
                     .message = "'' is not a valid integer value.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 2},
        StartFailure{.name = "MissingPicture",
                     .breakFolder = [](GameFolder& f) { f.write("config.ini", "0\r\n0\r\n"), std::filesystem::remove(f / "pic/1.bmp"); },
                     .message = "",
                     .laidOut = true, .textures = 10, .mapListLoaded = 1, .names = 0},
        StartFailure{.name = "MissingTexture",
                     .breakFolder = [](GameFolder& f) { std::filesystem::remove(f / "img/1/4.bmp"); },
                     .message = "Cannot open file \"%/img/1/4.bmp\". No such file or directory.",
                     .laidOut = true, .textures = 4, .mapListLoaded = 1, .names = 2},
        StartFailure{.name = "TextureFolderOfAnotherType",
                     .breakFolder = [](GameFolder& f) { f.write("data.ini", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n7\r\n"); },
                     .message = "Cannot open file \"%/img/7/0.bmp\". No such file or directory.",
                     .laidOut = true, .textures = 0, .mapListLoaded = 1, .names = 2},
        StartFailure{.name = "EmptyTextureFile",
                     .breakFolder = [](GameFolder& f) { f.write("img/1/0.bmp", ""); },
                     .message = "Invalid image size.",
                     .laidOut = true, .textures = 0, .mapListLoaded = 1, .names = 2},
        StartFailure{.name = "TextureCutShort",
                     .breakFolder = [](GameFolder& f) { f.write("img/1/2.bmp", halfOf(f / "img/1/2.bmp")); },
                     .message = "Bitmap image is not valid.",
                     .laidOut = true, .textures = 2, .mapListLoaded = 1, .names = 2},
        // Files too large to hold are refused before they cost time or memory.
        StartFailure{.name = "HistoryBeyondItsBytes",
                     .breakFolder = [](GameFolder& f) { f.write("history.txt", std::string(4 * 1024 * 1024 + 1, 'x')); },
                     .message = "Text exceeds memo capacity.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 0},
        StartFailure{.name = "HistoryBeyondItsLines",
                     .breakFolder = [](GameFolder& f) { f.write("history.txt", repeated("a\r\n", 200001)); },
                     .message = "Text exceeds memo capacity.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 0},
        StartFailure{.name = "ConfigOfLineBreaks",
                     .breakFolder = [](GameFolder& f) { f.write("config.ini", std::string(24 << 20, '\n')); },
                     .message = "Text exceeds memo capacity.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 0},
        StartFailure{.name = "DataOfOneLongLine",
                     .breakFolder = [](GameFolder& f) { f.write("data.ini", std::string(20 << 20, '1')); },
                     .message = "Text exceeds memo capacity.",
                     .laidOut = false, .textures = 0, .mapListLoaded = 0, .names = 2}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(WindowStart, AHistoryAtItsLimitsIsShownWhole)
{
    const struct {
        std::string history;
        int characters; // as the view counts them, with its closing paragraph mark
    } rows[] = {
        {.history = std::string(4 * 1024 * 1024, 'x'), .characters = 4 * 1024 * 1024 + 1},
        {.history = repeated("\xC8\r\n", 200000), .characters = 2 * 200000 + 1},
    };
    for (const auto& row : rows) {
        GameFolder folder;
        folder.write("history.txt", row.history);
        WindowOnFolder w(folder);
        EXPECT_TRUE(w.errors().empty());
        EXPECT_EQ(w->historyView().document()->characterCount(), row.characters);
        EXPECT_EQ(w.core().textures().count(), GameFiles::kTexturesPerSet); // the start-up went on to its end
    }
}

// Whatever error reading the background picture meets, the game's own or the
// system's, the start-up only greys "Отключить картинки" and goes on.
TEST(WindowStart, AnyErrorReadingThePictureGreysPicturesOff)
{
    const struct {
        const char* name;
        std::function<void()> fail;
    } rows[] = {
        {.name = "the game's own error", .fail = [] { throw GameError("Bitmap image is not valid"); }},
        {.name = "out of memory", .fail = [] { throw std::bad_alloc(); }},
        {.name = "another system error", .fail = [] { throw std::system_error(std::make_error_code(std::errc::io_error)); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const GameFolder folder;
        WindowOnFolder w(folder, false);
        w.core().setBackgroundPictureReader([&](const std::filesystem::path&) -> Surface {
            row.fail();
            return Surface();
        });
        w->start();
        EXPECT_TRUE(w.errors().empty());
        EXPECT_TRUE(w->menu().picturesOffOption->isChecked());
        EXPECT_FALSE(w->menu().picturesOffOption->isEnabled());
        EXPECT_EQ(w.core().textures().count(), GameFiles::kTexturesPerSet); // the start-up went on to the textures
    }
}

TEST(WindowStart, OptionsBeforeAFailingLineAreSet)
{
    GameFolder folder;
    folder.write("data.ini", "1\r\n1\r\non\r\n1\r\n");
    WindowOnFolder w(folder);
    EXPECT_EQ(optionMarks(w.window()), (std::vector<bool>{true, true, false, false, false, false}));
}

struct UnreadablePictures {
    const char* name;
    std::function<void(GameFolder&)> breakPictures;
};

void PrintTo(const UnreadablePictures& c, std::ostream* os) { *os << c.name; }

class UnreadablePicture : public ::testing::TestWithParam<UnreadablePictures> {};

INSTANTIATE_TEST_SUITE_P(Kinds, UnreadablePicture,
                         ::testing::Values(
                             UnreadablePictures{.name = "Missing",
                                                .breakPictures =
                                                    [](GameFolder& f) {
                                                        std::filesystem::remove(f / "pic/1.bmp");
                                                        std::filesystem::remove(f / "pic/2.bmp");
                                                    }},
                             UnreadablePictures{.name = "CutAfterHalfTheirRows",
                                                .breakPictures =
                                                    [](GameFolder& f) {
                                                        f.write("pic/1.bmp", halfOf(f / "pic/1.bmp"));
                                                        f.write("pic/2.bmp", halfOf(f / "pic/2.bmp"));
                                                    }}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_P(UnreadablePicture, ChecksAndGreysPicturesOffSilently)
{
    GameFolder folder;
    GetParam().breakPictures(folder);
    WindowOnFolder w(folder);
    EXPECT_TRUE(w.errors().empty());
    EXPECT_FALSE(w.core().backgroundPicture().hasPicture());
    EXPECT_TRUE(w->menu().picturesOffOption->isChecked());
    EXPECT_FALSE(w->menu().picturesOffOption->isEnabled());
    EXPECT_EQ(w.core().textures().count(), GameFiles::kTexturesPerSet);

    // A restart that finds a picture again reads the mark back from
    // data.ini, but the item stays grey.
    const GameFolder complete;
    std::filesystem::copy(complete / "pic", folder / "pic", std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    w->loadGame();
    EXPECT_FALSE(w->menu().picturesOffOption->isChecked());
    EXPECT_FALSE(w->menu().picturesOffOption->isEnabled());
}

TEST(WindowStart, ARestartAfterFailingAtDataIniAddsTheNamesAgain)
{
    GameFolder folder;
    std::filesystem::remove(folder / "data.ini");
    WindowOnFolder w(folder);
    EXPECT_EQ(w->mapList().count(), 2);
    folder.write("data.ini", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
    w->loadGame();
    ASSERT_EQ(w->mapList().count(), 4);
    EXPECT_EQ(w->mapList().itemText(2), "First");
    w->loadGame();
    EXPECT_EQ(w->mapList().count(), 4); // read once the start-up got past data.ini
}

TEST(WindowStart, MapCountBeyondTheNamesAddsEmptyNamesAndNoneForZeroOrLess)
{
    const struct {
        const char* config;
        int names;
    } rows[] = {
        {.config = "2\r\n3\r\nA\r\nB\r\n", .names = 3},
        {.config = "2\r\n0\r\nA\r\n", .names = 0},
        {.config = "2\r\n-4\r\nA\r\n", .names = 0},
    };
    for (const auto& [config, names] : rows) {
        GameFolder folder;
        folder.write("config.ini", config);
        WindowOnFolder w(folder);
        ASSERT_EQ(w->mapList().count(), names) << config;
        if (names == 3) {
            EXPECT_EQ(w->mapList().itemText(2), "");
        }
    }
}

// Every name the file holds is listed, however many; only the empty names
// promised past its last line are capped.
TEST(WindowStart, EveryNameTheFileHoldsIsListedAndTheLastCanBeChosen)
{
    GameFolder folder;
    std::string config = "2\r\n10001\r\n";
    for (int k = 1; k <= 10000; ++k) config += "First\r\n";
    config += "Last\r\n";
    folder.write("config.ini", config);
    std::string map = "4\r\n";
    for (int x = 0; x < 32; ++x) map += std::string(32, x == 0 ? '2' : '1') + "\r\n";
    folder.write("map/Last.txt", map);
    WindowOnFolder w(folder);
    ASSERT_EQ(w->mapList().count(), 10001);
    EXPECT_EQ(w->mapList().itemText(10000), "Last");

    w->menu().chooseMapCommand->trigger();
    w->mapList().setSelectedIndex(10000);
    w->previewSelectedMap();
    EXPECT_TRUE(w.errors().empty());
    EXPECT_EQ(w.core().mapPreview().surface().pixel(1, 1), rgb(255, 255, 0)); // column 0 is yellow
    EXPECT_EQ(w.core().mapPreview().surface().pixel(5, 1), rgb(255, 0, 0));
    w->loadPreviewedMap();
    EXPECT_TRUE(w.errors().empty());
    EXPECT_EQ(w.game().colourCount, 4);
    EXPECT_EQ(w.game().board.at(0, 0), 2);
    EXPECT_EQ(w.game().board.at(1, 31), 1);
}

TEST(WindowStart, AHugeMapCountCannotHangTheStart)
{
    GameFolder folder;
    folder.write("config.ini", "2\r\n2147483647\r\nA\r\n");
    WindowOnFolder w(folder);
    EXPECT_EQ(w->mapList().count(), 10000);
    EXPECT_EQ(w->mapList().itemText(0), "A");
}

TEST(WindowStart, RestartDealsWithTheCurrentColourCountAndResetsScoreAndMessages)
{
    const GameFolder folder;
    WindowOnFolder w(folder);
    w.game().colourCount = 3;
    w.game().score = 99;
    w.game().messages[4].value = 12;
    w.game().messages[4].life = 5;
    w->loadGame();
    EXPECT_EQ(w.game().score, 0);
    EXPECT_EQ(w.game().messages[4].value, 0);
    EXPECT_EQ(w.game().messages[4].life, 5); // only the value is freed
    EXPECT_FALSE(allCells(w.game().board, 1));
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) EXPECT_TRUE(w.game().board.at(x, y) >= 1 && w.game().board.at(x, y) <= 3);
}

TEST(WindowStart, TheFirstTickShowsTheFrameOnTheWindow)
{
    const GameFolder folder;
    WindowOnFolder w(folder);
    w->runWindowTick();
    EXPECT_EQ(w.core().frame().surface().width(), 600);
    EXPECT_EQ(w.core().frame().surface().height(), 512);
    EXPECT_EQ(w->clientArea().shown().image(), w.core().frame().surface().image());
    EXPECT_EQ(w->clientArea().shown().pixel(5, 5), testing::fixtureTextureColour(1, 1));
}

TEST(WindowStart, TicksAfterAStartThatStoppedEarlyDrawOnTheDesignSizedFrame)
{
    GameFolder folder;
    std::filesystem::remove(folder / "history.txt");
    WindowOnFolder w(folder);
    w->runWindowTick();
    EXPECT_EQ(w.core().frame().surface().width(), 105);
    EXPECT_EQ(w->clientArea().shown().width(), 496);
}

} // namespace
} // namespace lumera
