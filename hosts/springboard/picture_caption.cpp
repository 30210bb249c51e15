#include "hosts/springboard/picture_caption.h"

#include "hosts/springboard/release_views.h"
#include "standins/releases/ios_release.h"

namespace springboard {

Caption captionOf(const TweakState& tweak) {
  Caption caption{tweak.on, tweak.colours, {}, {}};
  caption.release = vm::releases::displayName(vm::releases::currentRelease());
  if (caption.release == "the complete set") caption.release = "Complete set (no --ios)";
  caption.notes = absentNotes();
  return caption;
}

}  // namespace springboard
