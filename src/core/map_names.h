#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumera {

// The names of the prepared maps, kept as config.ini holds them
// (Windows-1251) in one block of bytes: a list of millions of names costs
// little more than their bytes.
class MapNames {
public:
    int count() const { return static_cast<int>(ends_.size()); }

    // Adds `count` names, name k given by `nameAt(k)`; none for a count of 0
    // or less.
    void add(std::int32_t count, const std::function<std::string(std::int32_t)>& nameAt);

    // Name k's bytes; "List index out of bounds (k)" outside the names.
    std::string_view name(int k) const;

private:
    std::string bytes_;
    std::vector<std::size_t> ends_; // where each name ends in bytes_
};

} // namespace lumera
