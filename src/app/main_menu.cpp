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
    N111 = bar->addMenu(QStringLiteral("Файл"));
    N1 = command(N111, QStringLiteral("Заново"));
    N2 = N111->addMenu(QStringLiteral("Случайное поле"));
    N3 = command(N2, QStringLiteral("Легкая"));
    N4 = command(N2, QStringLiteral("Средняя"));
    N5 = command(N2, QStringLiteral("Тяжелая"));
    N6 = command(N2, QStringLiteral("Очень тяжлая"));
    N11 = N111->addMenu(QStringLiteral("Изображение"));
    N12 = command(N11, QStringLiteral("Выбрать"));
    N13 = command(N111, QStringLiteral("Кампания"));

    N7 = bar->addMenu(QStringLiteral("Опции"));
    N8 = option(N7, QStringLiteral("Отключить cетку"));
    N9 = option(N7, QStringLiteral("Отключить пузырьки"));
    N10 = option(N7, QStringLiteral("Отключить картинки"));
    N15 = option(N7, QStringLiteral("Не использовать гладкую анимацию"));
    N16 = option(N7, QStringLiteral("Не использовать текстуру"));
    N17 = option(N7, QStringLiteral("Отключить плавающие сообщения"));
    N18 = N7->addMenu(QStringLiteral("Тип текстуры"));
    N19 = option(N18, QStringLiteral("Светлая"));
    N20 = option(N18, QStringLiteral("Темная"));

    N14 = bar->addAction(QStringLiteral("История"));
}

} // namespace lumera
