#include "working_folder.h"

#include <QImage>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cp1251.h"
#include "pictures.h"
#include "textures.h"

namespace lumera::data {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Every character of the game's texts must exist in Windows-1251.
std::string windows1251(const std::string& utf8, const fs::path& source)
{
    const std::string bytes = utf8ToCp1251(utf8);
    if (cp1251ToUtf8(bytes) != utf8) throw std::runtime_error(source.string() + " holds text that Windows-1251 cannot hold");
    return bytes;
}

void writeGameText(const fs::path& source, const fs::path& target)
{
    std::string text;
    for (const std::string& line : linesOf(readText(source))) text += line + "\r\n";
    writeBytes(target, windows1251(text, source));
}

void saveBmp(const QImage& image, const fs::path& file)
{
    if (!image.save(QString::fromStdString(file.string()), "BMP"))
        throw std::runtime_error("cannot write " + file.string());
}

// A map drawn row by row becomes the game's map file: the colour count, then
// one line per column, top to bottom.
void writeMap(const fs::path& rowsFile, const fs::path& target)
{
    const std::vector<std::string> lines = linesOf(readText(rowsFile));
    if (lines.size() < 33) throw std::runtime_error(rowsFile.string() + " needs a colour count and 32 rows");
    std::string map = lines[0] + "\r\n";
    for (int x = 0; x < 32; ++x) {
        for (int y = 0; y < 32; ++y) {
            const std::string& row = lines[static_cast<std::size_t>(y) + 1];
            if (row.size() != 32) throw std::runtime_error(rowsFile.string() + ": every row needs 32 digits");
            map.push_back(row[static_cast<std::size_t>(x)]);
        }
        map += "\r\n";
    }
    writeBytes(target, map);
}

} // namespace

void writeBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

void layOutWorkingFolder(const fs::path& sourceFolder, const fs::path& target)
{
    for (const char* folder : {"pic", "img/1", "img/2", "map"}) fs::create_directories(target / folder);

    const std::vector<QImage> pictures = backgroundPictures();
    for (std::size_t n = 0; n < pictures.size(); ++n)
        saveBmp(pictures[n], target / "pic" / (std::to_string(n + 1) + ".bmp"));
    for (const TextureSet set : {TextureSet::Dark, TextureSet::Light}) {
        const std::vector<QImage> textures = textureSet(set);
        for (std::size_t i = 0; i < textures.size(); ++i)
            saveBmp(textures[i], target / "img" / std::to_string(static_cast<int>(set)) / (std::to_string(i) + ".bmp"));
    }

    const fs::path text = sourceFolder / "text";
    writeGameText(text / "config.ini", target / "config.ini");
    writeGameText(text / "history.txt", target / "history.txt");
    if (!fs::exists(target / "data.ini")) writeGameText(text / "data.ini", target / "data.ini");

    const std::vector<std::string> config = linesOf(readText(text / "config.ini"));
    if (config.size() < 2 || std::to_string(pictures.size()) != config[0])
        throw std::runtime_error("config.ini must give the picture count first");
    const std::size_t names = std::stoul(config[1]);
    for (std::size_t k = 0; k < names; ++k) {
        const std::string& name = config.at(k + 2);
        writeMap(sourceFolder / "maps" / (name + ".rows"), target / "map" / (name + ".txt"));
    }
}

} // namespace lumera::data
