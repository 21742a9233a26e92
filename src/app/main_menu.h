#pragma once

#include <QAction>
#include <array>
#include <QMenu>
#include <QMenuBar>

#include "options.h"

namespace lumera {

// The window's menu tree. Items never change their own check mark when
// chosen: the handlers do.
struct MainMenu {
    QMenu* fileMenu = nullptr;               // "Файл"
    QAction* restartCommand = nullptr;       // "Заново"
    QMenu* randomBoardMenu = nullptr;        // "Случайное поле": four difficulties
    QAction* easyBoardCommand = nullptr;
    QAction* mediumBoardCommand = nullptr;
    QAction* hardBoardCommand = nullptr;
    QAction* veryHardBoardCommand = nullptr;
    QMenu* pictureMenu = nullptr;            // "Изображение"
    QAction* chooseMapCommand = nullptr;     // "Выбрать" / "Отмена": the map chooser
    QAction* campaignCommand = nullptr;      // "Кампания", which does nothing
    QMenu* optionsMenu = nullptr;            // "Опции": the six saved options
    QAction* gridOffOption = nullptr;
    QAction* bubblesOffOption = nullptr;
    QAction* picturesOffOption = nullptr;
    QAction* smoothAnimationOffOption = nullptr;
    QAction* texturesOffOption = nullptr;
    QAction* floatingMessagesOffOption = nullptr;
    QMenu* textureTypeMenu = nullptr;        // "Тип текстуры"
    QAction* lightTexturesOption = nullptr;  // texture set 2
    QAction* darkTexturesOption = nullptr;   // texture set 1
    QAction* historyCommand = nullptr;       // "История" / "Закрыть историю", on the bar itself

    // Builds the tree on the bar.
    void build(QMenuBar* bar);

    // Each option's item, with the option its check mark shows.
    struct OptionItem {
        QAction* item;
        bool Options::*option;
    };
    std::array<OptionItem, 6> optionItems() const
    {
        return {{{gridOffOption, &Options::gridOff},
                 {bubblesOffOption, &Options::bubblesOff},
                 {picturesOffOption, &Options::picturesOff},
                 {smoothAnimationOffOption, &Options::blink},
                 {texturesOffOption, &Options::flatCells},
                 {floatingMessagesOffOption, &Options::messagesOff}}};
    }
};

} // namespace lumera
