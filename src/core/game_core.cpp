#include "game_core.h"

#include "deal.h"
#include "floating_messages.h"
#include "map_preview.h"
#include "prepared_map.h"
#include "press.h"
#include "tick.h"

namespace lumera {

GameCore::GameCore(GameFiles files) : files_(std::move(files)) {}

void GameCore::dealRandom(std::int32_t colourCount)
{
    if (view_) view_->keepShownPixels(); // the view goes on showing the last tick
    Surface& frame = frame_.surface();
    frame.setBrushColour(kBlack);
    frame.rectangle(0, 0, geometry::kFrame.width, geometry::kClearedBottom);
    game_.colourCount = colourCount;
    dealBoard(game_.board, game_.colourCount, game_.random);
    changeBackgroundPicture();
}

LineBuffer GameCore::readMap(int index) const
{
    LineBuffer map;
    map.load(files_.map(mapNames_.name(index)));
    return map;
}

void GameCore::previewMap(int index)
{
    game_.score = 0;
    const LineBuffer map = readMap(index);
    drawMapPreview(PreparedMap(map), mapPreview_);
}

void GameCore::loadMap(int index)
{
    game_.score = 0;
    const LineBuffer map = readMap(index);
    loadPreparedMap(PreparedMap(map), game_);
}

void GameCore::leftPress(std::int32_t x, std::int32_t y)
{
    const PressOutcome outcome = lumera::leftPress(game_, geometry::cellUnder(x, y));
    queueFloatingMessage(game_.messages, outcome.groupSize, x, y);
}

void GameCore::rightPress(std::int32_t x, std::int32_t y)
{
    game_.previewValue = lumera::rightPress(game_, geometry::cellUnder(x, y)).points;
    game_.previewX = x;
    game_.previewY = y;
}

void GameCore::release()
{
    game_.previewValue = 0;
    game_.previewX = 0;
    game_.previewY = 0;
}

void GameCore::tick()
{
    const Options& options = settings_.options;
    const FrameTargets targets{frame_.surface(), backgroundPicture_.surface(), textures_};
    const TickInputs before = tickInputsOf(game_, options, targets);
    if (skipUnchangedTicks_ && tickSkipper_.canSkip(before, tickOutputs())) {
        clock_.sleep(); // until something wakes it: nothing would change before
        return;
    }
    tickSkipper_.beginFullTick(before);
    runTick(game_, options, targets);
    if (view_) view_->present(frame_.surface());
    tickSkipper_.endFullTick(tickInputsOf(game_, options, targets), tickOutputs());
}

TickOutputs GameCore::tickOutputs()
{
    return TickOutputs{frame_.surface().version(), view_ ? view_->shownVersion() : 0};
}

void GameCore::toggleOption(bool Options::*option)
{
    settings_.options.*option = !(settings_.options.*option);
}

void GameCore::chooseTextureSet(std::int32_t set)
{
    settings_.textureSet = set;
    // Removes the ten entries of the set in use, not whatever the list holds
    // as a restart does: after a set that failed to load part way fewer are
    // there, and the choice fails with the list's own error.
    for (int i = 0; i < GameFiles::kTexturesPerSet; ++i) textures_.remove(0);
    addTextureSet();
}

void GameCore::changeBackgroundPicture()
{
    if (!settings_.options.picturesOff) loadBackgroundPicture();
}

void GameCore::saveSettings() const
{
    lumera::saveSettings(files_.settings(), settings_);
}

} // namespace lumera
