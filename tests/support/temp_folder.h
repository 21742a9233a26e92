#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumera::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes the bytes to a file of the folder (sub-folders are made).
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& file);

} // namespace lumera::testing
