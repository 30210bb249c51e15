// What SpringBoard's lock screen, status bar and home screen show, as text: the scene is
// built afresh and driven through the same calls SpringBoard makes, so every replaced
// method answers as it does now.
#pragma once

#include <string>

namespace springboard {

std::string sceneReport();

}  // namespace springboard
