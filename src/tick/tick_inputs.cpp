#include "tick_inputs.h"

namespace lumera {

TickInputs tickInputsOf(const Game& game, const Options& options, const FrameTargets& targets)
{
    TickInputs inputs;
    inputs.game = game;
    inputs.options = options;
    inputs.frameState = targets.frame.drawingState();
    inputs.frameWidth = targets.frame.width();
    inputs.frameHeight = targets.frame.height();
    inputs.pictureVersion = targets.picture.version();
    inputs.texturesVersion = targets.textures.version();
    return inputs;
}

} // namespace lumera
