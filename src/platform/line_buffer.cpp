#include "line_buffer.h"

#include <algorithm>

#include "file_io.h"
#include "game_error.h"

namespace lumera {
namespace {

constexpr std::string_view kBreak = "\r\n";

GameError tooLarge()
{
    return GameError("Text exceeds memo capacity");
}

std::size_t lineCountOf(const std::string& text)
{
    std::size_t breaks = 0;
    for (std::size_t at = text.find(kBreak); at != std::string::npos; at = text.find(kBreak, at + kBreak.size()))
        ++breaks;
    const std::size_t lastBreak = text.rfind(kBreak);
    const bool unbrokenLastLine =
        !text.empty() && (lastBreak == std::string::npos || lastBreak + kBreak.size() != text.size());
    return breaks + (unbrokenLastLine ? 1 : 0);
}

bool endsWithBreak(const std::string& text)
{
    return text.size() >= 2 && text.compare(text.size() - 2, 2, kBreak) == 0;
}

} // namespace

namespace {

// Turns the bytes of a file, piece by piece, into the buffer's text: every
// CR LF, lone CR and lone LF becomes CR LF, and the text ends at the first
// NUL. A CR at the end of one piece may pair with an LF that starts the next.
class TextNormaliser {
public:
    explicit TextNormaliser(std::size_t capacity) : capacity_(capacity) {}

    // Takes the next piece; false once a NUL has ended the text.
    bool take(std::string_view piece)
    {
        const std::size_t nul = piece.find('\0');
        const bool ended = nul != std::string_view::npos;
        if (ended) piece = piece.substr(0, nul);
        while (!piece.empty()) {
            if (afterCr_ && piece.front() == '\n') piece.remove_prefix(1);
            afterCr_ = false;
            const std::size_t brk = piece.find_first_of("\r\n");
            append(piece.substr(0, brk));
            if (brk == std::string_view::npos) break;
            append(kBreak);
            afterCr_ = piece[brk] == '\r';
            piece.remove_prefix(brk + 1);
        }
        return !ended;
    }

    std::string&& text() { return std::move(text_); }

private:
    void append(std::string_view bytes)
    {
        if (bytes.size() > capacity_ - text_.size()) throw tooLarge();
        text_.append(bytes);
    }

    std::size_t capacity_;
    std::string text_;
    bool afterCr_ = false;
};

} // namespace

void LineBuffer::load(const std::filesystem::path& name)
{
    TextNormaliser normaliser(limits_.capacity);
    readFileInPieces(name, [&](std::string_view piece) { return normaliser.take(piece); });
    adopt(normaliser.text());
}

void LineBuffer::loadBytes(std::string_view bytes)
{
    TextNormaliser normaliser(limits_.capacity);
    normaliser.take(bytes);
    adopt(normaliser.text());
}

LineBuffer::LineBuffer(Limits limits) : limits_(limits)
{
    limits_.capacity = std::min(limits_.capacity, kCapacity);
}

void LineBuffer::adopt(std::string text)
{
    const std::size_t lines = lineCountOf(text);
    if (lines > limits_.maxLines) throw tooLarge();
    text_ = std::move(text);
    indexLines(lines);
}

std::string LineBuffer::readLine(std::ptrdiff_t k) const
{
    if (k < 0 || static_cast<std::size_t>(k) >= lineStarts_.size()) return {};
    const std::size_t start = lineStarts_[static_cast<std::size_t>(k)];
    std::size_t end = text_.find(kBreak, start);
    if (end == std::string::npos) end = text_.size();
    return text_.substr(start, std::min(end - start, kLineReadLimit));
}

void LineBuffer::clear()
{
    text_.clear();
    lineStarts_.clear();
}

void LineBuffer::append(std::string_view line)
{
    if (text_.empty() || endsWithBreak(text_)) {
        text_.append(line);
        text_.append(kBreak);
    } else {
        text_.append(kBreak);
        text_.append(line);
    }
    indexLines(lineCountOf(text_));
}

void LineBuffer::save(const std::filesystem::path& name) const
{
    replaceFile(name, text_);
}

void LineBuffer::indexLines(std::size_t lineCount)
{
    lineStarts_.clear();
    lineStarts_.shrink_to_fit();
    lineStarts_.reserve(lineCount);
    std::size_t start = 0;
    while (start < text_.size()) {
        lineStarts_.push_back(static_cast<std::uint32_t>(start));
        const std::size_t end = text_.find(kBreak, start);
        if (end == std::string::npos) break;
        start = end + kBreak.size();
    }
}

} // namespace lumera
