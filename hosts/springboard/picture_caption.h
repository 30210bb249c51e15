// What the picture's caption says: the release played, the flags on, the six colours, and
// what the release draws with classes of its own.
#pragma once

#include "hosts/springboard/picture.h"
#include "hosts/springboard/tweak_state.h"

namespace springboard {

Caption captionOf(const TweakState& tweak);

}  // namespace springboard
