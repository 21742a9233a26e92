// The faces the game draws in: each one found by name, with every character
// of the game's texts, and every fixed text whole in the place it is drawn.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRawFont>
#include <filesystem>
#include <algorithm>
#include <set>

#include "cp1251.h"
#include "font_faces.h"
#include "window_on_folder.h"
#include "main_window.h"
#include "status_panel.h"
#include "temp_folder.h"

namespace lumera {
namespace {

// Every character the game shows: its captions and menu, the panel's labels,
// the digits and signs of numbers and messages, and the shipped texts.
std::set<char32_t> charactersOfTheGamesTexts(MainWindow& window)
{
    std::set<char32_t> characters;
    const auto add = [&](const QString& text) {
        for (const char32_t c : text.toUcs4())
            if (c != '\n' && c != '\r' && c != '&') characters.insert(c);
    };
    for (QAction* action : window.findChildren<QAction*>()) add(action->text());
    add(window.previewCaption().text());
    for (CellCode colour = 1; colour <= kPanelColours; ++colour) add(QString::fromUtf8(panelLabel(colour).data()));
    add(QStringLiteral("Очки=-0123456789!"));
    for (const char* file : {"history.txt", "config.ini"})
        add(QString::fromStdString(cp1251ToUtf8(testing::readBytes(std::filesystem::path(LUMERA_GAME_FOLDER) / file))));
    for (char32_t c = U'А'; c <= U'я'; ++c) characters.insert(c);
    characters.insert(U'Ё');
    characters.insert(U'ё');
    return characters;
}

TEST(FontFaces, EachFaceIsFoundByNameAndHoldsEveryCharacterOfTheGame)
{
    const testing::GameFolder folder;
    testing::WindowOnFolder w(folder);
    const std::set<char32_t> characters = charactersOfTheGamesTexts(w.window());
    ASSERT_GT(characters.size(), 80u);
    for (const char* design : {"MS Sans Serif", "MS Serif", "Book Antiqua", "Comic Sans MS"}) {
        const QFont font = gameFont(QString::fromUtf8(design), 11);
        const QRawFont raw = QRawFont::fromFont(font);
        // fontconfig may add the foundry: "P052 [UKWN]".
        EXPECT_TRUE(raw.familyName().startsWith(installedFace(QString::fromUtf8(design)))) << raw.familyName().toStdString();
        for (const char32_t c : characters)
            EXPECT_TRUE(raw.supportsCharacter(c)) << design << " lacks U+" << std::hex << static_cast<std::uint32_t>(c);
    }
}

TEST(FontFaces, TheChooserCaptionShowsEveryWordInItsLabel)
{
    const testing::GameFolder folder;
    testing::WindowOnFolder w(folder);
    QLabel& caption = w->previewCaption();
    const QFontMetrics metrics(caption.font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, caption.width(), 1000), Qt::TextWordWrap | Qt::AlignLeft, caption.text());
    EXPECT_LE(needed.width(), caption.width());
    EXPECT_LE(needed.height(), caption.height());
    // Two lines fit the designed 111 x 22; a face that needs more grows the
    // label downward just enough, and never narrower or shorter.
    EXPECT_EQ(caption.width(), 111);
    EXPECT_EQ(caption.height(), std::max(22, caption.heightForWidth(111)));
}

// Six colours with four-digit counts and a seven-digit score: every line
// ends before x 600, so nothing reaches past the frame.
TEST(FontFaces, PanelLinesEndBeforeTheFramesRightEdge)
{
    constexpr Colour kUntouched = rgb(1, 2, 3);
    Surface wide(800, 200, kUntouched);
    Game game;
    game.colourCount = 6;
    game.tally.fill(1024);
    game.score = 9'999'999;
    game.previewX = -100; // the preview value drawn out of the way
    drawStatusPanel(wide, game);
    for (int y = 0; y < wide.height(); ++y)
        for (int x = 600; x < wide.width(); ++x) ASSERT_EQ(wide.pixel(x, y), kUntouched) << x << ", " << y;
    bool inked = false; // the lines were drawn at all: white glyphs on the panel
    for (int x = 512; x < 600; ++x) inked = inked || wide.pixel(x, 6 * 16 + 5) == kWhite;
    EXPECT_TRUE(inked);
}

} // namespace
} // namespace lumera
