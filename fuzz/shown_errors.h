#pragma once

#include <functional>

namespace lumera::fuzz {

// A QApplication on the offscreen platform, made at the first call.
void ensureApplication();

// Runs `action` as the game runs a handler: any error it throws is shown
// through the real error box, laid out and painted without a modal loop, so
// a message the box would misread is found here.
void runShowingErrors(const std::function<void()>& action);

} // namespace lumera::fuzz
