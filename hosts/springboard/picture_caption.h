// What the picture's caption says: the release played, the flags on and the six colours
// by the names the pane gives them, and what the release draws with classes of its own.
#pragma once

#include "hosts/springboard/option_labels.h"
#include "hosts/springboard/picture.h"
#include "hosts/springboard/tweak_state.h"

namespace springboard {

Caption captionOf(const TweakState& tweak, const OptionLabels& labels);

}  // namespace springboard
