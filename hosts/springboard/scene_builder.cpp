#include "hosts/springboard/scene_builder.h"

#include "bridge/foundation.h"
#include "hosts/springboard/release_views.h"

namespace springboard {

Scene buildScene() {
  vm::AutoreleasePool pool;
  Scene scene;
  ReportObjects objects;
  buildLockScreen(objects, scene);
  buildAppearance(objects, scene);
  markAbsentViews(scene);
  return scene;
}

}  // namespace springboard
