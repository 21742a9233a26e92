#pragma once

#include <functional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "surface.h"

namespace lumera::testing {

// Compares every pixel of the surface with `expected` and names the first
// pixel that differs.
inline ::testing::AssertionResult pixelsMatch(const Surface& surface, const std::function<Colour(int, int)>& expected)
{
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (surface.pixel(x, y) != expected(x, y)) {
                std::ostringstream out;
                out << "first difference at (" << x << ", " << y << "): got 0x" << std::hex << surface.pixel(x, y)
                    << ", expected 0x" << expected(x, y);
                return ::testing::AssertionFailure() << out.str();
            }
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace lumera::testing
