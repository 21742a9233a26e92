#pragma once

namespace lumera {

// Maps the four faces the game names onto the faces Debian ships:
// "MS Sans Serif" -> DejaVu Sans, "MS Serif" -> DejaVu Serif,
// "Book Antiqua" -> P052, "Comic Sans MS" -> Comic Neue.
// Safe to call more than once; needs a QGuiApplication.
void installFaceSubstitutions();

} // namespace lumera
