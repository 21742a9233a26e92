#pragma once

#include <QFont>
#include <QString>

namespace lumera {

// The game names four faces of its own desktop; these Debian faces stand in
// for them, chosen for close widths and for Cyrillic letters:
//   "MS Sans Serif" -> Liberation Sans (the widths of Arial)
//   "MS Serif"      -> Liberation Serif (the widths of Times New Roman)
//   "Book Antiqua"  -> P052 (a Palatino, as Book Antiqua is)
//   "Comic Sans MS" -> Comfortaa (rounded and informal; no comic face in
//                      Debian has Cyrillic letters)
// Any other name is kept as it is.
QString installedFace(const QString& designFace);

// The stand-in face at a pixel size, used by name whatever other faces the
// machine has, and never mixed with another face for a missing character.
QFont gameFont(const QString& designFace, int pixelSize);

} // namespace lumera
