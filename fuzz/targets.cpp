#include "targets.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "frame_geometry.h"
#include "game_error.h"
#include "group_search.h"
#include "image_list.h"
#include "integer_text.h"
#include "line_buffer.h"
#include "picture_loader.h"
#include "prepared_map.h"
#include "press.h"
#include "settings.h"
#include "shown_errors.h"
#include "surface.h"

namespace lumera::fuzz {
namespace {

std::string_view bytesOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A broken promise is a crash the fuzzer reports.
void require(bool condition)
{
    if (!condition) std::abort();
}

} // namespace

int lineBuffer(const std::uint8_t* data, std::size_t size)
{
    LineBuffer buffer;
    buffer.loadBytes(bytesOf(data, size));
    const std::string& text = buffer.text();
    for (std::size_t k = 0; k <= buffer.lineCount(); ++k) {
        const std::string line = buffer.readLine(static_cast<std::ptrdiff_t>(k));
        require(line.size() <= LineBuffer::kLineReadLimit);
        require(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    }
    require(buffer.readLine(static_cast<std::ptrdiff_t>(buffer.lineCount())).empty());
    // Loading what the buffer holds gives it back unchanged.
    LineBuffer again;
    again.loadBytes(text);
    require(again.text() == text);
    return 0;
}

int integerParser(const std::uint8_t* data, std::size_t size)
{
    try {
        const std::int32_t value = parseInteger(bytesOf(data, size));
        require(parseInteger(formatInteger(value)) == value);
    } catch (const GameError& error) {
        // The message quotes the text; a NUL in it (which no line of a file
        // can hold) ends the message's C string early, so look at its start.
        require(error.what()[0] == '\'');
    }
    // The player sees that quote in the error box.
    runShowingErrors([&] { parseInteger(bytesOf(data, size)); });
    return 0;
}

int settings(const std::uint8_t* data, std::size_t size)
{
    LineBuffer lines;
    lines.loadBytes(bytesOf(data, size));
    Settings read;
    read.options.gridOff = true; // a line that fails leaves what was there
    read.textureSet = 77;
    try {
        readSettings(lines, read);
    } catch (const GameError& error) {
        require(error.what()[0] == '\'');
    }
    // What is saved reads back as the same settings, in exactly seven lines.
    const LineBuffer saved = settingsLines(read);
    require(saved.lineCount() == 7 && saved.text().find('\0') == std::string::npos);
    LineBuffer reloaded;
    reloaded.loadBytes(saved.text());
    Settings again;
    readSettings(reloaded, again);
    require(again == read);
    // Its messages are the integer parser's, which that target shows
    // through the real error box.
    return 0;
}

int pictureLoader(const std::uint8_t* data, std::size_t size)
{
    try {
        const Surface picture = decodePicture(std::string(bytesOf(data, size)));
        require(static_cast<std::int64_t>(picture.width()) * picture.height() <= kMaxPicturePixels);
        ImageList textures;
        textures.add(picture, picture);
        Surface frame(32, 32);
        textures.draw(frame, 8, 8, 0);
    } catch (const GameError&) {
    }
    return 0;
}

int preparedMap(const std::uint8_t* data, std::size_t size)
{
    LineBuffer lines;
    lines.loadBytes(bytesOf(data, size));
    const PreparedMap map(lines);
    Surface preview(128, 128);
    runShowingErrors([&] {
        previewPreparedMap(map, [&](int x, int y, CellCode code) {
            require(code >= 0 && code <= 9);
            preview.rectangle(4 * x, 4 * y, 4 * x + 4, 4 * y + 4);
        });
    });
    Game game;
    game.board = Board::fromText("", 3);
    runShowingErrors([&] { loadPreparedMap(map, game); });
    require(game.board.guardRingIsClear());
    for (int i = 0; i < 8; ++i) {
        const auto cell = geometry::cellUnder(i * 67, i * 61);
        const PressOutcome measured = rightPress(game, cell);
        require(leftPress(game, cell) == measured);
    }
    require(game.board.guardRingIsClear());
    return 0;
}

} // namespace lumera::fuzz
