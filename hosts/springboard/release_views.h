// Which of the scene's views the release this process plays has. Each view is made by one
// class of SpringBoard or UIKit (a few also need one method of it); a release without it
// draws that part of its screens with classes of its own, or not at all, and the scene
// says which instead of what a missing class would answer.
#pragma once

#include <string>
#include <vector>

#include "hosts/springboard/scene.h"

namespace springboard {

// Replaces the answer of every view whose class or method this process lacks with
// absent(what the release has instead).
void markAbsentViews(Scene& scene);

// The same as lines for the picture, one per thing the release has instead:
// "slide to unlock: SBFGlintyStringView draws it, untouched".
std::vector<std::string> absentNotes();

}  // namespace springboard
