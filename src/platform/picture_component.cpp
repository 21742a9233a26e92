#include "picture_component.h"

#include "picture_loader.h"

namespace lumera {

Surface& PictureComponent::surface()
{
    if (!picture_) picture_.emplace(width_, height_, kWhite);
    return *picture_;
}

const Surface& PictureComponent::bitmap()
{
    if (!picture_) picture_.emplace();
    return *picture_;
}

void PictureComponent::load(const std::filesystem::path& name)
{
    picture_ = loadPicture(name);
}

} // namespace lumera
