// Counts every heap allocation the process makes, to show that a press and a
// steady-state tick make none. Its own executable: it replaces the global
// allocation functions.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <atomic>
#include <cstdlib>
#include <new>

#include "deal.h"
#include "press.h"
#include "tick_targets.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace lumera {
namespace {

class Allocations : public ::testing::Test, protected testing::TickTargets {
protected:
    Allocations()
    {
        picture.fill(picture.bounds(), rgb(10, 60, 90));
        addFlatTextures([](int i) { return rgb(static_cast<std::uint8_t>(20 * i), 40, 40); });
        Random random(77);
        game.colourCount = 4;
        dealBoard(game.board, game.colourCount, random);
    }

    long countDuring(const std::function<void()>& action)
    {
        const long before = allocations.load();
        action();
        return allocations.load() - before;
    }

    Surface window{600, 512};
};

TEST_F(Allocations, PressesMakeNone)
{
    EXPECT_EQ(countDuring([&] {
                  for (int y = 0; y < 512; y += 7)
                      for (int x = 0; x < 600; x += 11) {
                          rightPress(game, x, y);
                          releasePress(game);
                          leftPress(game, x, y);
                      }
              }),
              0);
}

TEST_F(Allocations, SteadyTicksMakeNoneWhateverIsOnTheBoard)
{
    for (int i = 0; i < 40; ++i) leftPress(game, (i * 97) % 512, (i * 61) % 512);
    for (FloatingMessage& m : game.messages)
        if (m.value == 0) m = FloatingMessage{12, 300, 400, 1, 20};
    tick(); // the glyphs of each message size are rendered on their first use
    EXPECT_EQ(countDuring([&] {
                  for (int i = 0; i < 20; ++i) tick();
                  options.flatCells = true;
                  options.bubblesOff = true;
                  for (int i = 0; i < 20; ++i) tick();
                  Surface::copy(window, window.bounds(), frame, frame.bounds());
              }),
              0);
}

} // namespace
} // namespace lumera

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
