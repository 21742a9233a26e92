#include "bitmap_layout.h"

#include <cstdint>

namespace lumera {
namespace {

constexpr std::uint64_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;

enum Compression : std::uint32_t { kUncompressed = 0, kRunLength8 = 1, kRunLength4 = 2, kColourMasks = 3 };

class Bytes {
public:
    explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
    std::uint64_t size() const { return bytes_.size(); }
    bool has(std::uint64_t at, std::uint64_t count) const { return at <= size() && count <= size() - at; }
    std::uint32_t byte(std::uint64_t at) const { return static_cast<unsigned char>(bytes_[at]); }
    std::uint32_t u16(std::uint64_t at) const { return byte(at) | byte(at + 1) << 8; }
    std::uint32_t u32(std::uint64_t at) const { return u16(at) | u16(at + 2) << 16; }

private:
    std::string_view bytes_;
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative for a top-down picture
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = kUncompressed;
    std::uint64_t end = 0; // first byte after the headers, masks and palette
};

bool knownInfoHeaderSize(std::uint32_t size)
{
    return size == kInfoHeaderBytes || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

bool formatIsKnown(const Header& header)
{
    switch (header.compression) {
    case kUncompressed:
        for (const std::uint32_t bits : {1u, 4u, 8u, 16u, 24u, 32u})
            if (header.bitsPerPixel == bits) return true;
        return false;
    case kRunLength8: return header.bitsPerPixel == 8 && header.height > 0;
    case kRunLength4: return header.bitsPerPixel == 4 && header.height > 0;
    case kColourMasks: return header.bitsPerPixel == 16 || header.bitsPerPixel == 32;
    default: return false;
    }
}

bool readHeader(const Bytes& file, Header& header)
{
    if (!file.has(kFileHeaderBytes, 4)) return false;
    const std::uint32_t headerSize = file.u32(kFileHeaderBytes);
    if (!file.has(kFileHeaderBytes, headerSize)) return false;
    std::uint64_t paletteEntryBytes = 4;
    std::uint32_t coloursUsed = 0;
    if (headerSize == kCoreHeaderBytes) {
        header.width = file.u16(18);
        header.height = file.u16(20);
        header.bitsPerPixel = file.u16(24);
        paletteEntryBytes = 3;
    } else if (knownInfoHeaderSize(headerSize)) {
        header.width = static_cast<std::int32_t>(file.u32(18));
        header.height = static_cast<std::int32_t>(file.u32(22));
        header.bitsPerPixel = file.u16(28);
        header.compression = file.u32(30);
        coloursUsed = file.u32(46);
    } else {
        return false;
    }
    if (header.width <= 0 || header.height == 0 || !formatIsKnown(header)) return false;

    header.end = kFileHeaderBytes + headerSize;
    if (header.compression == kColourMasks && headerSize == kInfoHeaderBytes) header.end += 12;
    if (header.bitsPerPixel <= 8) {
        const std::uint64_t colours = coloursUsed != 0 ? coloursUsed : 1u << header.bitsPerPixel;
        if (colours > 256) return false;
        header.end += colours * paletteEntryBytes;
    }
    return file.has(0, header.end);
}

bool uncompressedDataIsWhole(const Bytes& file, const Header& header, std::uint64_t offset)
{
    const std::uint64_t rowBits = static_cast<std::uint64_t>(header.width) * header.bitsPerPixel;
    const std::uint64_t rowBytes = (rowBits + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(header.height < 0 ? -header.height : header.height);
    // A row no longer than the file keeps the product far below 2^64.
    return rowBytes <= file.size() && file.has(offset, rowBytes * rows);
}

// Walks the runs without decoding them: every row must be filled from its
// left edge to its right edge before it ends, and the last row completely.
bool runLengthDataIsWhole(const Bytes& file, const Header& header, std::uint64_t at)
{
    const std::int64_t width = header.width;
    const std::int64_t lastRow = header.height - 1;
    const bool fourBits = header.compression == kRunLength4;
    std::int64_t x = 0;
    std::int64_t row = 0;
    for (;;) {
        if (row == lastRow && x == width) return true;
        if (!file.has(at, 2)) return false;
        const std::uint32_t count = file.byte(at);
        const std::uint32_t code = file.byte(at + 1);
        at += 2;
        if (count > 0) { // a run of one value
            if (x + count > width) return false;
            x += count;
        } else if (code == 0) { // end of row
            if (x != width) return false;
            x = 0;
            ++row;
        } else if (code >= 3) { // `code` pixels given one by one, padded to a word
            std::uint64_t bytes = fourBits ? (code + 1) / 2 : code;
            bytes += bytes & 1;
            if (x + code > width || !file.has(at, bytes)) return false;
            at += bytes;
            x += code;
        } else { // end of bitmap before its last pixel, or a jump over pixels
            return false;
        }
    }
}

} // namespace

bool bitmapGivesEveryPixel(std::string_view bytes)
{
    const Bytes file(bytes);
    Header header;
    if (!readHeader(file, header)) return false;
    const std::uint64_t offset = file.u32(10);
    if (offset < header.end || offset > file.size()) return false;
    if (header.compression == kRunLength8 || header.compression == kRunLength4)
        return runLengthDataIsWhole(file, header, offset);
    return uncompressedDataIsWhole(file, header, offset);
}

} // namespace lumera
