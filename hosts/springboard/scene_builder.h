// Builds the scene: SpringBoard's lock screen, status bar and home screen made afresh and
// driven through the calls SpringBoard makes, so every replaced method answers as it does
// now, with what each view ends with recorded in the scene.
#pragma once

#include "hosts/springboard/report_objects.h"
#include "hosts/springboard/scene.h"

namespace springboard {

Scene buildScene();

// The two halves: lock-screen elements, then tints and home-screen items.
void buildLockScreen(ReportObjects& objects, Scene& out);
void buildAppearance(ReportObjects& objects, Scene& out);

}  // namespace springboard
