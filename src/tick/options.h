#pragma once

namespace lumera {

// The six display options, as the menu's check marks stand at a tick.
struct Options {
    bool gridOff = false;      // "Отключить cетку"
    bool bubblesOff = false;   // "Отключить пузырьки"
    bool picturesOff = false;  // "Отключить картинки"
    bool blink = false;        // "Не использовать гладкую анимацию"
    bool flatCells = false;    // "Не использовать текстуру"
    bool messagesOff = false;  // "Отключить плавающие сообщения"
    friend bool operator==(const Options&, const Options&) = default;
};

} // namespace lumera
