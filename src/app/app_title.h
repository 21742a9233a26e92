#pragma once

#include <QString>

namespace lumera {

// The game's name: the window caption, the taskbar name and the caption of
// every error box.
inline QString applicationTitle()
{
    return QStringLiteral("Лумера");
}

} // namespace lumera
