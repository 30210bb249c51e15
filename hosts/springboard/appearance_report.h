// The part of the report that shows colours and home-screen items: what the status bar,
// the lock screen's labels, chevron, grabber and legibility settings, the badges and icon
// images end with, and which items are suppressed.
#pragma once

#include <string>

namespace springboard {

std::string appearanceReport();

}  // namespace springboard
