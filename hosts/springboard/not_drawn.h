// The options a still picture cannot show, with the reason, so that the picture accounts
// for every option that is on: an animation skipped, a timing changed, a colour that the
// other tint overrides on every view the picture draws.
#pragma once

#include <string>
#include <vector>

#include "hosts/springboard/option_labels.h"

namespace springboard {

// "not drawn: Fast Backlight Fade (ENABLED23): a timing, ..." for each such option that
// the flags in `on` make act; empty when there is none.
std::vector<std::string> notDrawnLines(const std::vector<int>& on, const OptionLabels& labels);

}  // namespace springboard
