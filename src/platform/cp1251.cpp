#include "cp1251.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace lumera {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts everything it can and puts `replacement` for each input
    // sequence it cannot convert.
    std::string convert(std::string_view input, std::string_view replacement, bool utf8Input)
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string output;
        output.reserve(input.size() * 2 + 4);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::array<char, 256> buffer{};
        while (inLeft > 0) {
            char* out = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer.data(), buffer.size() - outLeft);
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            output.append(replacement);
            // One replacement for a whole broken UTF-8 sequence: the byte that
            // failed and any continuation bytes after it.
            std::size_t skip = 1;
            if (utf8Input)
                while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) ++skip;
            in += skip;
            inLeft -= skip;
        }
        return output;
    }

private:
    iconv_t handle_;
};

std::array<char32_t, 256> buildUnicodeTable()
{
    std::array<char32_t, 256> table{};
    Converter toUtf32("UTF-32LE", "CP1251");
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char input = static_cast<char>(byte);
        const std::string wide = toUtf32.convert(std::string_view(&input, 1), std::string_view("\xFD\xFF\x00\x00", 4), false);
        char32_t code = 0;
        for (std::size_t i = 0; i < 4 && i < wide.size(); ++i)
            code |= static_cast<char32_t>(static_cast<unsigned char>(wide[i])) << (8 * i);
        table[byte] = code;
    }
    return table;
}

} // namespace

std::string cp1251ToUtf8(std::string_view bytes)
{
    Converter converter("UTF-8", "CP1251");
    return converter.convert(bytes, kReplacementUtf8, false);
}

std::string utf8ToCp1251(std::string_view text)
{
    Converter converter("CP1251", "UTF-8");
    return converter.convert(text, "?", true);
}

char32_t cp1251ToUnicode(unsigned char byte)
{
    static const std::array<char32_t, 256> table = buildUnicodeTable();
    return table[byte];
}

} // namespace lumera
