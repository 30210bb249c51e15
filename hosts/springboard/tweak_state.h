// What the loaded Velmotint tweak holds at this moment, read through its report and the
// colour lookup its library exports: the feature flags in effect and the colours its
// replacements use.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hosts/springboard/scene.h"
#include "hosts/springboard/tweak_loader.h"

namespace springboard {

struct TweakState {
  bool found = false;   // a loaded library reports its flags
  std::vector<int> on;  // the n of each ENABLEDn that is on
  // vmColor1..6 as the tweak's colour lookup answers them; none without the tweak.
  std::vector<std::optional<Colour>> colours;
};

TweakState readTweakState(const std::vector<LoadedTweak>& tweaks);

}  // namespace springboard
