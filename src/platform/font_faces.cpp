#include "font_faces.h"

namespace lumera {

QString installedFace(const QString& designFace)
{
    static const std::pair<QString, QString> kStandIns[] = {
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Book Antiqua"), QStringLiteral("P052")},
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comfortaa")},
    };
    for (const auto& [design, installed] : kStandIns)
        if (design == designFace) return installed;
    return designFace;
}

QFont gameFont(const QString& designFace, int pixelSize)
{
    QFont font(installedFace(designFace));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace lumera
