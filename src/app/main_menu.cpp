#include "main_menu.h"

namespace lumera {
namespace {

QAction* command(QMenu* parent, const QString& caption)
{
    return parent->addAction(caption);
}

QAction* option(QMenu* parent, const QString& caption)
{
    QAction* action = parent->addAction(caption);
    action->setCheckable(true);
    // Qt flips a checkable item before its handler runs; undo that, so the
    // check mark is exactly what the handlers and the tick make it.
    QObject::connect(action, &QAction::triggered, action, [action](bool checked) {
        const QSignalBlocker quiet(action);
        action->setChecked(!checked);
    });
    return action;
}

} // namespace

void MainMenu::build(QMenuBar* bar)
{
    fileMenu = bar->addMenu(QStringLiteral("Файл"));
    restartCommand = command(fileMenu, QStringLiteral("Заново"));
    randomBoardMenu = fileMenu->addMenu(QStringLiteral("Случайное поле"));
    easyBoardCommand = command(randomBoardMenu, QStringLiteral("Легкая"));
    mediumBoardCommand = command(randomBoardMenu, QStringLiteral("Средняя"));
    hardBoardCommand = command(randomBoardMenu, QStringLiteral("Тяжелая"));
    veryHardBoardCommand = command(randomBoardMenu, QStringLiteral("Очень тяжлая"));
    pictureMenu = fileMenu->addMenu(QStringLiteral("Изображение"));
    chooseMapCommand = command(pictureMenu, QStringLiteral("Выбрать"));
    campaignCommand = command(fileMenu, QStringLiteral("Кампания"));

    optionsMenu = bar->addMenu(QStringLiteral("Опции"));
    gridOffOption = option(optionsMenu, QStringLiteral("Отключить cетку"));
    bubblesOffOption = option(optionsMenu, QStringLiteral("Отключить пузырьки"));
    picturesOffOption = option(optionsMenu, QStringLiteral("Отключить картинки"));
    smoothAnimationOffOption = option(optionsMenu, QStringLiteral("Не использовать гладкую анимацию"));
    texturesOffOption = option(optionsMenu, QStringLiteral("Не использовать текстуру"));
    floatingMessagesOffOption = option(optionsMenu, QStringLiteral("Отключить плавающие сообщения"));
    textureTypeMenu = optionsMenu->addMenu(QStringLiteral("Тип текстуры"));
    lightTexturesOption = option(textureTypeMenu, QStringLiteral("Светлая"));
    darkTexturesOption = option(textureTypeMenu, QStringLiteral("Темная"));

    historyCommand = bar->addAction(QStringLiteral("История"));
}

} // namespace lumera
