// The start and restart of a game: the game's files read, the first
// picture, the layout, the deal and the textures.
#include "game_core.h"

#include <algorithm>
#include <exception>

#include "deal.h"
#include "integer_text.h"
#include "wrapping.h"

namespace lumera {
namespace {

// A config.ini may promise any number of map names. Every name the file
// holds is listed; names promised past its last line read as empty, and
// those only fill the list up to this many items, which no real list needs.
constexpr std::int32_t kMapListFill = 10000;

// The history view holds its whole text as a document of one block a line
// (it lays out only what it shows), at some 600 bytes a line and 12 a
// character: at these limits the game starts within a second and stays
// under 150 MiB (scripts/measure-history); larger histories are refused like
// any text too large to hold.
constexpr LineBuffer::Limits kHistoryLimits{4 * 1024 * 1024, 200000};

std::int32_t readInteger(const LineBuffer& buffer, int line)
{
    return parseInteger(buffer.readLine(line - 1));
}

} // namespace

void GameCore::start()
{
    LineBuffer history(kHistoryLimits);
    history.load(files_.history());
    history_ = std::move(history);
    ++historyReads_;

    LineBuffer config;
    config.load(files_.config());
    game_.pictureCount = readInteger(config, 1);
    if (game_.mapListLoaded == 0) readMapNames(config);

    loadSettings(files_.settings(), settings_);
    game_.mapListLoaded = 1;

    for (FloatingMessage& message : game_.messages) message.value = 0;
    game_.score = 0;
    seed();

    // Any error here, the game's own or the system's (memory, say), only
    // means there is no picture to show.
    try {
        loadBackgroundPicture();
    } catch (const std::exception&) {
        settings_.options.picturesOff = true;
        picturesAvailable_ = false;
    }

    layOut();
    dealBoard(game_.board, game_.colourCount, game_.random);
    loadTextures();
}

void GameCore::readMapNames(const LineBuffer& config)
{
    const std::int32_t promised = readInteger(config, 2);
    const std::size_t linesAfterTheCount = config.lineCount() > 2 ? config.lineCount() - 2 : 0;
    const auto held = static_cast<std::int32_t>(std::min<std::size_t>(linesAfterTheCount, INT32_MAX));
    const std::int32_t names = std::min(promised, std::max(held, kMapListFill));
    mapNames_.add(names, [&config](std::int32_t k) { return config.readLine(k + 2); });
}

void GameCore::seed()
{
    if (seedSource_) game_.random.setSeed(seedSource_());
    else game_.random.seedFromClock();
}

void GameCore::loadBackgroundPicture()
{
    // The +1 wraps for the numbers a negative picture count can draw.
    const std::int32_t number = wrappingAdd(game_.random.draw(game_.pictureCount), 1);
    backgroundPicture_.set(backgroundPictureReader_(files_.backgroundPicture(number)));
}

void GameCore::layOut()
{
    using namespace geometry;
    frame_.setSize(kFrame.width, kFrame.height);
    backgroundPicture_.setSize(kBackgroundPicture.width, kBackgroundPicture.height);
    mapPreview_.setSize(kMapPreview.width, kMapPreview.height);
    laidOut_ = true;
}

// A start or restart empties the list whatever it holds: a set that failed
// to load part way leaves fewer than ten entries, and the restart must
// still end with one whole set.
void GameCore::loadTextures()
{
    while (textures_.count() > 0) textures_.remove(0);
    addTextureSet();
}

void GameCore::addTextureSet()
{
    // One picture at a time: a file that fails leaves the entries before it.
    PictureComponent texture(ImageList::kSide, ImageList::kSide);
    for (int i = 0; i < GameFiles::kTexturesPerSet; ++i) {
        texture.load(files_.texture(settings_.textureSet, i));
        textures_.add(texture.bitmap(), texture.bitmap());
    }
}

} // namespace lumera
