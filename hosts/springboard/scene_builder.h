// Builds the scene: SpringBoard's lock screen, status bar and home screen made afresh and
// driven through the calls SpringBoard makes, so every replaced method answers as it does
// now, with what each view ends with recorded in the scene.
#pragma once

#include "hosts/springboard/report_objects.h"
#include "hosts/springboard/scene.h"

namespace springboard {

// `lastingViews`: the home screen's icon images and badges are the same views in every
// scene this process builds, as SpringBoard keeps them; false builds them afresh.
Scene buildScene(bool lastingViews = true);

// The two halves: lock-screen elements, then tints and home-screen items.
void buildLockScreen(ReportObjects& objects, Scene& out);
void buildAppearance(ReportObjects& objects, Scene& out, bool lastingViews);

}  // namespace springboard
