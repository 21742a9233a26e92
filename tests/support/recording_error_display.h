#pragma once

#include <string>
#include <vector>

#include "error_display.h"

namespace lumera::testing {

// Keeps every shown error text instead of opening a box.
class RecordingErrorDisplay : public ErrorDisplay {
public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

} // namespace lumera::testing
