#pragma once

#include <filesystem>
#include <optional>
#include <utility>

#include "surface.h"

namespace lumera {

// An image component of the window: a size set by the layout, and at most
// one picture, independent of that size.
class PictureComponent {
public:
    PictureComponent(int width, int height) : width_(width), height_(height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    void setSize(int width, int height)
    {
        width_ = width;
        height_ = height;
    }

    bool hasPicture() const { return picture_.has_value(); }

    // The picture's surface. Without a picture, a white one of the
    // component's present size is made; it keeps that size for good.
    Surface& surface();

    // The picture as a bitmap; without a picture an empty (0 x 0) one is
    // made, as nothing was ever loaded into it.
    const Surface& bitmap();

    // Replaces the picture with the file's; on any error the old picture
    // stays as it was.
    void load(const std::filesystem::path& name);
    // Replaces the picture with `picture`.
    void set(Surface picture) { picture_ = std::move(picture); }

private:
    int width_;
    int height_;
    std::optional<Surface> picture_;
};

} // namespace lumera
