#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace lumera {

// The game's files, named relative to the folder they lie in. An empty root
// is the working folder the game was started in.
class GameFiles {
public:
    // The textures of one set, numbered from 0.
    static constexpr int kTexturesPerSet = 10;

    explicit GameFiles(std::filesystem::path root = {}) : root_(std::move(root)) {}

    std::filesystem::path history() const { return at("history.txt"); }
    std::filesystem::path config() const { return at("config.ini"); }
    std::filesystem::path settings() const { return at("data.ini"); }
    std::filesystem::path backgroundPicture(std::int32_t number) const;
    std::filesystem::path texture(std::int32_t set, int index) const;
    // A prepared map by its name in config.ini (Windows-1251).
    std::filesystem::path map(std::string_view name) const;

private:
    // A name as the game spells it (Windows-1251, "\" between folders).
    std::filesystem::path at(std::string_view name) const;

    std::filesystem::path root_;
};

} // namespace lumera
