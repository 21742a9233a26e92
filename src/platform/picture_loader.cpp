#include "picture_loader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <cctype>

#include "bitmap_layout.h"
#include "file_io.h"
#include "game_error.h"

namespace lumera {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;

// The text after the last dot of the file's own name, "" without a dot.
std::string extensionOf(const std::filesystem::path& name)
{
    const std::string fileName = name.filename().string();
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
}

bool isBmpExtension(std::string extension)
{
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == "bmp";
}

[[noreturn]] void refuseBitmap()
{
    throw GameError("Bitmap image is not valid");
}

// The game reads a picture's colours only: any alpha the file carries is
// dropped, as the pixels are shown opaque.
QImage opaque(QImage image)
{
    if (image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_ARGB32_Premultiplied) {
        image.reinterpretAsFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) line[x] |= 0xFF00'0000u;
        }
        return image;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

Surface decodePicture(const std::string& bytes)
{
    if (bytes.empty()) return Surface();
    if (bytes.size() < kFileHeaderBytes) throw GameError("Stream read error");
    if (bytes[0] != 'B' || bytes[1] != 'M') refuseBitmap();
    if (!bitmapGivesEveryPixel(bytes)) refuseBitmap();

    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    // The header's size, checked before any pixel memory is asked for; the
    // reader reports a top-down picture with a negative height.
    const QSize size = reader.size();
    const std::int64_t width = size.width();
    const std::int64_t height = size.height() < 0 ? -std::int64_t{size.height()} : size.height();
    if (width <= 0 || height == 0 || width * height > kMaxPicturePixels) refuseBitmap();
    QImage image;
    if (!reader.read(&image) || image.isNull()) refuseBitmap();
    return Surface(opaque(std::move(image)));
}

Surface loadPicture(const std::filesystem::path& name)
{
    const std::string extension = extensionOf(name);
    if (!isBmpExtension(extension)) throw GameError("Unknown picture file extension (." + extension + ")");
    const WholeFile file = readWholeFile(name, kMaxPictureFileBytes);
    if (file.tooLarge) refuseBitmap();
    return decodePicture(file.bytes);
}

} // namespace lumera
