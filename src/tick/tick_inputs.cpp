#include "tick_inputs.h"

namespace lumera {

TickInputs tickInputsOf(const Game& game, const Options& options, const FrameTargets& targets)
{
    TickInputs inputs;
    inputs.board = game.board;
    inputs.score = game.score;
    inputs.colourCount = game.colourCount;
    inputs.previewValue = game.previewValue;
    inputs.previewX = game.previewX;
    inputs.previewY = game.previewY;
    inputs.messages = game.messages;
    inputs.options = options;
    inputs.frameState = targets.frame.drawingState();
    inputs.frameWidth = targets.frame.width();
    inputs.frameHeight = targets.frame.height();
    inputs.pictureVersion = targets.picture.version();
    inputs.texturesVersion = targets.textures.version();
    return inputs;
}

} // namespace lumera
