#pragma once

#include <QAction>
#include <array>
#include <QMenu>
#include <QMenuBar>

namespace lumera {

// The window's menu tree, each item under the name the handlers know it by.
// Items never change their own check mark when chosen: the handlers do.
struct MainMenu {
    QMenu* N111 = nullptr; // "Файл"
    QAction* N1 = nullptr; // "Заново"
    QMenu* N2 = nullptr;   // "Случайное поле"
    QAction* N3 = nullptr;
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;
    QMenu* N11 = nullptr;   // "Изображение"
    QAction* N12 = nullptr; // "Выбрать" / "Отмена"
    QAction* N13 = nullptr; // "Кампания"
    QMenu* N7 = nullptr;    // "Опции"
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N10 = nullptr;
    QAction* N15 = nullptr;
    QAction* N16 = nullptr;
    QAction* N17 = nullptr;
    QMenu* N18 = nullptr; // "Тип текстуры"
    QAction* N19 = nullptr;
    QAction* N20 = nullptr;
    QAction* N14 = nullptr; // "История" / "Закрыть историю", on the bar itself

    // Builds the tree on the bar.
    void build(QMenuBar* bar);

    // The six options in the order data.ini keeps them.
    std::array<QAction*, 6> savedOptions() const { return {N8, N9, N10, N15, N16, N17}; }
};

} // namespace lumera
