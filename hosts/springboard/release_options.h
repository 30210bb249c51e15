// The options a user sets in the pane (its 22 switches and 6 colours) and the rows of the
// tweak's hook table, by install number, whose replacements act on each. ENABLED5 and
// ENABLED20 have no switch and no row.
#pragma once

#include <vector>

namespace springboard {

struct UserOption {
  const char* key;    // the settings key
  const char* label;  // as the pane shows it
  std::vector<int> rows;
};

// The switches in key order, then the colours.
const std::vector<UserOption>& userOptions();

}  // namespace springboard
