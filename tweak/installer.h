// Installs every row of the hook table on the classes of the process the tweak is in.
#pragma once

#include <string>

#include "tweak/hook_table.h"

void installHooks();

namespace velmotint {

// The line the installer logs for a row it skips because the running release lacks the
// row's class (`classFound` false) or its method, e.g.
// "Velmotint: skipped -[SBAwayView setFrame:]: this iOS release has no class SBAwayView".
std::string skippedRowLine(const HookRow& row, bool classFound);

}  // namespace velmotint
