#include "hosts/springboard/scene_builder.h"

#include "bridge/foundation.h"
#include "hosts/springboard/release_views.h"

namespace springboard {

Scene buildScene(bool lastingViews) {
  vm::AutoreleasePool pool;
  Scene scene;
  ReportObjects objects;
  buildLockScreen(objects, scene);
  buildAppearance(objects, scene, lastingViews);
  markAbsentViews(scene);
  return scene;
}

}  // namespace springboard
