#include "game_files.h"

#include <string>

#include "file_io.h"
#include "integer_text.h"

namespace lumera {

std::filesystem::path GameFiles::at(std::string_view name) const
{
    return root_ / gamePath(name);
}

std::filesystem::path GameFiles::backgroundPicture(std::int32_t number) const
{
    return at("pic/" + formatInteger(number) + ".bmp");
}

std::filesystem::path GameFiles::texture(std::int32_t set, int index) const
{
    return at("img\\" + formatInteger(set) + "\\" + formatInteger(index) + ".bmp");
}

std::filesystem::path GameFiles::map(std::string_view name) const
{
    return at("map\\" + std::string(name) + ".txt");
}

} // namespace lumera
