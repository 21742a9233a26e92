#pragma once

#include <cstdint>

#include "frame_targets.h"
#include "game.h"
#include "options.h"
#include "surface.h"

namespace lumera {

// Everything a tick reads, as it stands when the tick begins: the game (all
// of it, the values the tick does not read included, which only makes a
// skip rarer), the options, the frame's drawing state and size, and the
// versions of the background picture and the textures.
struct TickInputs {
    Game game;
    Options options;
    Surface::DrawingState frameState{};
    int frameWidth = 0;
    int frameHeight = 0;
    std::uint64_t pictureVersion = 0;
    std::uint64_t texturesVersion = 0;
    friend bool operator==(const TickInputs&, const TickInputs&) = default;
};

TickInputs tickInputsOf(const Game& game, const Options& options, const FrameTargets& targets);

// The versions of the surfaces a tick writes: the frame, and where the
// frame is shown.
struct TickOutputs {
    std::uint64_t frame = 0;
    std::uint64_t window = 0;
    friend bool operator==(const TickOutputs&, const TickOutputs&) = default;
};

// Tells when a tick may be left out whole. A tick sets each pixel it
// touches to a value its inputs fix, and leaves every other pixel as it
// was, so a tick run again on the same inputs changes no pixel. So when the
// last full tick left its own inputs as it found them, and neither they nor
// the surfaces it wrote have changed since, the next tick would change
// nothing at all, and is skipped.
class TickSkipper {
public:
    bool canSkip(const TickInputs& now, const TickOutputs& outputs) const
    {
        return settled_ && outputs == outputs_ && now == last_;
    }
    // Called around every full tick; a tick that fails between the two
    // leaves the next one to run in full.
    void beginFullTick(const TickInputs& before)
    {
        settled_ = false;
        last_ = before;
    }
    void endFullTick(const TickInputs& after, const TickOutputs& outputs)
    {
        settled_ = after == last_;
        last_ = after;
        outputs_ = outputs;
    }

private:
    TickInputs last_;
    TickOutputs outputs_;
    bool settled_ = false;
};

} // namespace lumera
