// The top of the report: what is in effect and why. The settings file and whether it
// could be read, the flags the tweak holds and its six colours, the tweaks that loaded or
// failed, and the hook count.
#pragma once

#include <string>
#include <vector>

#include "hosts/springboard/hook_listing.h"
#include "hosts/springboard/report_text.h"
#include "hosts/springboard/tweak_loader.h"
#include "hosts/springboard/tweak_state.h"

namespace springboard {

struct SettingsFile {
  enum class State { kRead, kMissing, kUnreadable, kTooLarge };
  std::string path;  // on this machine
  State state = State::kMissing;
  std::string oversize;              // kTooLarge: its size and the bound
  std::vector<std::string> colours;  // vmColor1..6 as stored; empty when not set
};

SettingsFile readSettingsFile();

std::string headerText(const std::vector<LoadedTweak>& tweaks, const TweakState& tweak,
                       const SettingsFile& settings, const HookListing& hooks,
                       const TextStyle& style);

}  // namespace springboard
