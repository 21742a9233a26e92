// A long seeded session through the real window: presses of every button,
// ticks, every menu command, map previews and loads, hostile maps among
// them. After every step the game's promises are checked.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdio>

#include "bmp_bytes.h"
#include "window_on_folder.h"
#include "group_search.h"
#include "main_window.h"
#include "recording_error_display.h"

namespace lumera {
namespace {

using testing::GameFolder;
using testing::WindowOnFolder;

constexpr int kSteps = 100'000;

std::array<std::int32_t, 10> countCodes(const Board& board, std::int32_t& strange)
{
    std::array<std::int32_t, 10> counts{};
    strange = 0;
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) {
            const CellCode code = board.at(x, y);
            if (code >= 0 && code <= 9) ++counts[static_cast<std::size_t>(code)];
            else ++strange;
        }
    return counts;
}

bool bottomRowHoldsOnlyColours(const Board& board)
{
    for (int x = 0; x < Board::kSize; ++x) {
        const CellCode code = board.at(x, Board::kSize - 1);
        if (isBubble(code) || code == kEmpty) return false;
    }
    return true;
}

// A folder whose maps set hostile colour counts and hold every digit.
class SoakFolder : public GameFolder {
public:
    SoakFolder()
    {
        const char* counts[] = {"-1", "0", "10", "2147483647", "3", "6"};
        std::string config = "2\r\n7\r\n";
        Random random(2026);
        for (int m = 0; m < 6; ++m) {
            const std::string name = "map" + std::to_string(m);
            config += name + "\r\n";
            std::string text = std::string(counts[m]) + "\r\n";
            for (int x = 0; x < 32; ++x) {
                for (int y = 0; y < 32; ++y) text.push_back(static_cast<char>('0' + (m < 4 ? random.draw(10) : 1 + random.draw(3))));
                text += "\r\n";
            }
            write("map/" + name + ".txt", text);
        }
        config += "broken\r\n";
        write("map/broken.txt", "4\r\n12a\r\n");
        write("config.ini", config);
        // Small pictures: empty cells beyond them keep what the frame held.
        for (int n = 1; n <= 2; ++n)
            write("pic/" + std::to_string(n) + ".bmp",
                  testing::bmpFile(64, 48, std::vector<Colour>(64 * 48, rgb(0, 80, static_cast<std::uint8_t>(n * 60))),
                                   testing::BmpLayout::Rgb24BottomUp));
    }
};

class Soak {
public:
    Soak() : w(folder), random(20261210) { w->show(); }

    void run()
    {
        for (int step = 0; step < kSteps; ++step) {
            const std::int32_t roll = random.draw(1000);
            if (roll < 400) tick();
            else if (roll < 600) press(Qt::LeftButton);
            else if (roll < 680) press(Qt::RightButton);
            else if (roll < 760) w->releaseOnClientArea(Qt::LeftButton, coordinate(), coordinate());
            else if (roll < 780) press(Qt::MiddleButton);
            else if (roll < 900) menuCommand();
            else if (roll < 950) previewMap();
            else loadMap();
            ASSERT_TRUE(w.game().board.guardRingIsClear()) << "step " << step;
            ASSERT_EQ(w.core().frame().surface().width(), 600);
        }
        std::printf("soak: %d steps, %d ticks, %d groups removed (%d cells), %zu errors shown, %d ticks over strange codes\n",
                    kSteps, ticks, groups, cells, errors.shown.size(), strangeTicks);
    }

private:
    std::int32_t coordinate() { return random.draw(700) - 50; }

    void tick()
    {
        std::int32_t strangeBefore = 0;
        std::int32_t strangeAfter = 0;
        const Board before = w.game().board;
        const auto codesBefore = countCodes(before, strangeBefore);
        w->runWindowTick();
        ++ticks;
        strangeTicks += strangeBefore > 0;
        for (int code = 0; code < kColourCodes; ++code)
            ASSERT_EQ(w.game().tally[static_cast<std::size_t>(code)], codesBefore[static_cast<std::size_t>(code)]);
        const auto codesAfter = countCodes(w.game().board, strangeAfter);
        // Colour cells only move; only a column whose bottom cell empties
        // may be overwritten, taking its colours with it.
        const bool noColumnCanClose = bottomRowHoldsOnlyColours(before);
        for (int code = 0; code <= 6; ++code) {
            const auto c = static_cast<std::size_t>(code);
            if (noColumnCanClose) {
                ASSERT_EQ(codesAfter[c], codesBefore[c]) << "code " << code;
            } else {
                ASSERT_LE(codesAfter[c], codesBefore[c]) << "code " << code;
            }
        }
        if (noColumnCanClose) {
            ASSERT_EQ(strangeAfter, strangeBefore);
        }
        for (std::size_t slot = 0; slot < ages.size(); ++slot) {
            if (w.game().messages[slot].value == 0) {
                ages[slot] = 0;
            } else {
                ASSERT_LE(++ages[slot], 21) << "slot " << slot << " outlived its message";
            }
        }
    }

    void press(Qt::MouseButton button)
    {
        const std::int32_t x = coordinate();
        const std::int32_t y = coordinate();
        Game& game = w.game();
        const Board before = game.board;
        const std::int32_t scoreBefore = game.score;
        const auto busyBefore = busySlots();
        w->pressOnClientArea(button, x, y);
        if (button != Qt::LeftButton) {
            ASSERT_EQ(game.board, before);
            return;
        }
        // Only one group, all of one code, turns into bubbles.
        std::int32_t changed = 0;
        CellCode code = -1;
        int cx = 0, cy = 0;
        for (int i = 0; i < Board::kSize; ++i)
            for (int j = 0; j < Board::kSize; ++j) {
                if (game.board.at(i, j) == before.at(i, j)) continue;
                ASSERT_EQ(game.board.at(i, j), kVacated);
                if (changed == 0) code = before.at(i, j), cx = i, cy = j;
                ASSERT_EQ(before.at(i, j), code);
                ++changed;
            }
        if (changed > 0) {
            ASSERT_EQ(measureGroup(before, cx, cy, code), changed);
            ++groups;
            cells += changed;
        }
        ASSERT_EQ(static_cast<std::uint32_t>(game.score) - static_cast<std::uint32_t>(scoreBefore),
                  static_cast<std::uint32_t>(changed * changed));
        const auto busyAfter = busySlots();
        for (std::size_t slot = 0; slot < ages.size(); ++slot)
            if (busyAfter[slot] && !busyBefore[slot]) ages[slot] = 0;
    }

    std::array<bool, kFloatingMessageSlots> busySlots()
    {
        std::array<bool, kFloatingMessageSlots> busy{};
        for (std::size_t slot = 0; slot < busy.size(); ++slot) busy[slot] = w.game().messages[slot].value != 0;
        return busy;
    }

    void menuCommand()
    {
        const MainMenu& m = w->menu();
        QAction* const commands[] = {m.easyBoardCommand,     m.mediumBoardCommand,        m.hardBoardCommand,
                                     m.veryHardBoardCommand, m.gridOffOption,             m.bubblesOffOption,
                                     m.picturesOffOption,    m.chooseMapCommand,          m.campaignCommand,
                                     m.historyCommand,       m.smoothAnimationOffOption,  m.texturesOffOption,
                                     m.floatingMessagesOffOption, m.lightTexturesOption,  m.darkTexturesOption,
                                     m.restartCommand};
        // The last, a restart, comes up once in 61 commands.
        const auto pick = static_cast<std::size_t>(random.draw(static_cast<std::int32_t>(std::size(commands)) * 4 - 3));
        commands[std::min(pick / 4, std::size(commands) - 1)]->trigger();
    }

    void previewMap()
    {
        w->menu().chooseMapCommand->trigger();
        w->mapList().setSelectedIndex(random.draw(w->mapList().count() + 1) - 1);
        runGuarded(errors, [this] { w->previewSelectedMap(); });
    }

    void loadMap()
    {
        if (!w->panelShown()) w->menu().chooseMapCommand->trigger();
        w->mapList().setSelectedIndex(random.draw(w->mapList().count() + 1) - 1);
        runGuarded(errors, [this] { w->loadPreviewedMap(); });
    }

    SoakFolder folder;
    WindowOnFolder w;
    Random random;
    testing::RecordingErrorDisplay errors; // the handlers' errors, as the error box would get them
    std::array<int, kFloatingMessageSlots> ages{};
    int ticks = 0, groups = 0, cells = 0, strangeTicks = 0;
};

TEST(Soak, AHundredThousandStepsKeepEveryPromise)
{
    Soak soak;
    soak.run();
}

} // namespace
} // namespace lumera
