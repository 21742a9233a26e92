#include "cell_code.h"

#include <array>

namespace lumera {
namespace {

struct CodeLook {
    Colour fill;
    std::string_view label;
};

constexpr std::array<CodeLook, 10> kCodes{{
    {rgb(255, 0, 255), ""},
    {rgb(255, 0, 0), "Красный="},
    {rgb(255, 255, 0), "Желтый="},
    {rgb(0, 0, 255), "Синий="},
    {rgb(0, 200, 0), "Зеленый="},
    {rgb(255, 0, 255), "Розовый="},
    {rgb(0, 255, 255), "Голубой="},
    {rgb(0, 0, 0), ""},
    {rgb(255, 255, 255), ""},
    {rgb(0, 0, 0), ""},
}};

bool inTable(CellCode code) { return code >= 0 && code < static_cast<CellCode>(kCodes.size()); }

} // namespace

std::optional<Colour> fillColour(CellCode code)
{
    if (!inTable(code)) return std::nullopt;
    return kCodes[static_cast<std::size_t>(code)].fill;
}

std::string_view panelLabel(CellCode code)
{
    if (!inTable(code)) return {};
    return kCodes[static_cast<std::size_t>(code)].label;
}

} // namespace lumera
