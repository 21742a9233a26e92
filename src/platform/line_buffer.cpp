#include "line_buffer.h"

#include <algorithm>

#include "file_io.h"
#include "game_error.h"

namespace lumera {
namespace {

constexpr std::string_view kBreak = "\r\n";

bool endsWithBreak(const std::string& text)
{
    return text.size() >= 2 && text.compare(text.size() - 2, 2, kBreak) == 0;
}

} // namespace

std::string LineBuffer::normalisedText(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            text.append(kBreak);
        } else if (c == '\n') {
            text.append(kBreak);
        } else {
            text.push_back(c);
        }
    }
    return text;
}

void LineBuffer::load(const std::filesystem::path& name)
{
    const WholeFile file = readWholeFile(name, kCapacity);
    if (file.tooLarge) throw GameError("Text exceeds memo capacity");
    loadBytes(file.bytes);
}

void LineBuffer::loadBytes(std::string_view bytes)
{
    if (bytes.size() > kCapacity) throw GameError("Text exceeds memo capacity");
    std::string text = normalisedText(bytes);
    if (text.size() > kCapacity) throw GameError("Text exceeds memo capacity");
    text_ = std::move(text);
    indexLines();
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
    indexLines();
}

void LineBuffer::save(const std::filesystem::path& name) const
{
    replaceFile(name, text_);
}

void LineBuffer::indexLines()
{
    lineStarts_.clear();
    std::size_t start = 0;
    while (start < text_.size()) {
        lineStarts_.push_back(start);
        const std::size_t end = text_.find(kBreak, start);
        if (end == std::string::npos) break;
        start = end + kBreak.size();
    }
}

} // namespace lumera
