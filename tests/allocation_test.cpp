// Counts every heap allocation the process makes, to show that a press and a
// steady-state tick make none. Its own executable: it replaces the global
// allocation functions.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <atomic>
#include <cstdlib>
#include <new>

#include "game_core.h"
#include "game_folder.h"

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

// A view that copies each frame into pixels of its own, as a window that
// could not share them would.
class CopyingView : public FrameView {
public:
    void present(const Surface& frame) override { Surface::copy(shown_, shown_.bounds(), frame, frame.bounds()); }
    void keepShownPixels() override {}
    std::uint64_t shownVersion() const override { return shown_.version(); }

private:
    Surface shown_{600, 512};
};

// The core on a complete folder, with a dealt board of four colours.
class Allocations : public ::testing::Test {
protected:
    Allocations()
    {
        core.setSeedSource([] { return 77u; });
        core.setFrameView(&view);
        core.start();
        core.dealRandom(Difficulty::medium);
    }

    long countDuring(const std::function<void()>& action)
    {
        const long before = allocations.load();
        action();
        return allocations.load() - before;
    }

    testing::GameFolder folder;
    GameCore core{folder.files()};
    CopyingView view;
};

TEST_F(Allocations, PressesMakeNone)
{
    EXPECT_EQ(countDuring([&] {
                  for (int y = 0; y < 512; y += 7)
                      for (int x = 0; x < 600; x += 11) {
                          core.rightPress(x, y);
                          core.release();
                          core.leftPress(x, y);
                      }
              }),
              0);
}

TEST_F(Allocations, SteadyTicksMakeNoneWhateverIsOnTheBoard)
{
    for (int i = 0; i < 40; ++i) core.leftPress((i * 97) % 512, (i * 61) % 512);
    for (FloatingMessage& m : core.game().messages)
        if (m.value == 0) m = FloatingMessage{12, 300, 400, 1, 20};
    core.tick(); // the glyphs of each message size are rendered on their first use
    EXPECT_EQ(countDuring([&] {
                  for (int i = 0; i < 20; ++i) core.tick();
                  core.toggleOption(&Options::flatCells);
                  core.toggleOption(&Options::bubblesOff);
                  for (int i = 0; i < 20; ++i) core.tick();
                  core.setSkipUnchangedTicks(false); // a settled board still ticks in full
                  for (int i = 0; i < 20; ++i) core.tick();
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
