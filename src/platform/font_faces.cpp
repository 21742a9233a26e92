#include "font_faces.h"

#include <QFont>

namespace lumera {

void installFaceSubstitutions()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("DejaVu Serif"));
        QFont::insertSubstitution(QStringLiteral("Book Antiqua"), QStringLiteral("P052"));
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        return true;
    }();
    (void)installed;
}

} // namespace lumera
