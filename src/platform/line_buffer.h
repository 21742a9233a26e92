#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumera {

// The hidden text through which the game reads and writes every text file as
// a list of lines. The content is bytes in which every line break is CR LF.
class LineBuffer {
public:
    // Text longer than this once its breaks are CR LF is refused with "Text
    // exceeds memo capacity", so that no file can exhaust memory: the text
    // and its line index together stay under 48 MiB in every shape, one long
    // line or nothing but breaks.
    static constexpr std::size_t kCapacity = 16u * 1024u * 1024u;

    // A buffer whose text must also fit a smaller view: loads beyond
    // `capacity` bytes or `maxLines` lines are refused in the same way.
    struct Limits {
        std::size_t capacity = kCapacity;
        std::size_t maxLines = kCapacity / 2;
    };
    LineBuffer() = default;
    explicit LineBuffer(Limits limits);
    // A line reads as at most this many characters.
    static constexpr std::size_t kLineReadLimit = 4096;

    // Replaces the content with the file's text: CR LF, lone CR and lone LF
    // all become CR LF, and the text ends at its first NUL byte (the file is
    // not read past it). On failure the content stays as it was.
    void load(const std::filesystem::path& name);
    // The same for bytes already read.
    void loadBytes(std::string_view bytes);

    // Line k (from 0) without its break, cut to kLineReadLimit characters;
    // the empty text for any k outside the content.
    std::string readLine(std::ptrdiff_t k) const;

    void clear();

    // Adds `line` as the new last line. After a last line that has no break
    // the break goes before it, so the content still ends without one.
    void append(std::string_view line);

    // Writes exactly the content, no byte added or changed.
    void save(const std::filesystem::path& name) const;

    std::size_t lineCount() const { return lineStarts_.size(); }
    const std::string& text() const { return text_; }

private:
    void adopt(std::string text);
    void indexLines(std::size_t lineCount);

    Limits limits_;
    std::string text_;
    // Offsets into text_, which the capacity keeps below 2^32.
    std::vector<std::uint32_t> lineStarts_;
    static_assert(kCapacity < (std::size_t{1} << 32));
};

} // namespace lumera
