#include "hosts/springboard/release_options.h"

namespace springboard {

const std::vector<UserOption>& userOptions() {
  static const std::vector<UserOption> options = {
      {"ENABLED1", "Tint the Status Bar", {59, 60, 61, 62, 63}},
      {"ENABLED2", "Tint the Lock Screen", {2,  3,  9,  10, 11, 12, 15, 29, 30, 31, 39, 40,
                                            41, 42, 53, 54, 55, 56, 57, 58, 59, 61, 63}},
      {"ENABLED3", "Always Show Charging Bolt", {47}},
      {"ENABLED4", "Default Status Bar Style", {52}},
      {"ENABLED6", "Hide Date", {51}},
      {"ENABLED7", "Hide Page Dots", {46}},
      {"ENABLED8", "Hide Icon Labels", {45}},
      {"ENABLED9", "Hide Bottom Grabber", {44}},
      {"ENABLED10", "Hide Top Grabber", {43}},
      {"ENABLED11", "Remove Camera", {5, 6, 32}},
      {"ENABLED12", "Freeze Clock", {38}},
      {"ENABLED13", "Freeze Airplane Mode", {36, 37}},
      {"ENABLED14", "Hide Charging Battery", {24, 27, 28}},
      {"ENABLED15", "Freeze Network Activity", {35}},
      {"ENABLED16", "Remove Date View", {16, 17, 18, 19, 20, 21, 22, 23, 33}},
      {"ENABLED17", "Remove Charging View", {25, 26}},
      {"ENABLED18", "Freeze Slide to Unlock", {13, 14}},
      {"ENABLED19", "Hide Status Bar", {49, 50}},
      {"ENABLED21", "Rounded Icons", {8}},
      {"ENABLED22", "Skip Slide-Up Animation", {7}},
      {"ENABLED23", "Fast Backlight Fade", {4, 48}},
      {"ENABLED24", "Rounded Badges", {1}},
      {"vmColor1", "Status Bar Foreground", {63}},
      {"vmColor2", "Status Bar Text", {61}},
      {"vmColor3", "Battery", {60}},
      {"vmColor4", "Activity Indicators & Refresh", {59, 62}},
      {"vmColor5", "Lock Screen Primary", {3, 8, 12, 53, 57, 63}},
      {"vmColor6", "Lock Screen Secondary", {1, 11, 15, 58, 59, 61}},
  };
  return options;
}

}  // namespace springboard
