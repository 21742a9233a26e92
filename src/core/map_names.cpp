#include "map_names.h"

#include "game_error.h"

namespace lumera {

void MapNames::add(std::int32_t count, const std::function<std::string(std::int32_t)>& nameAt)
{
    if (count <= 0) return;
    ends_.reserve(ends_.size() + static_cast<std::size_t>(count));
    for (std::int32_t k = 0; k < count; ++k) {
        bytes_ += nameAt(k);
        ends_.push_back(bytes_.size());
    }
}

std::string_view MapNames::name(int k) const
{
    if (k < 0 || k >= count()) throw GameError("List index out of bounds (" + std::to_string(k) + ")");
    const auto row = static_cast<std::size_t>(k);
    const std::size_t begin = row == 0 ? 0 : ends_[row - 1];
    return std::string_view(bytes_).substr(begin, ends_[row] - begin);
}

} // namespace lumera
