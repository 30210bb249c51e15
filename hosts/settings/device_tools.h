// The simulated device's own commands (usr/bin under the device root), found through PATH
// as the pane's commands are on the device.
#pragma once

#include <string>

namespace settings {

// Puts the device root's usr/bin first on PATH. When the root's name cannot be one PATH
// entry (a ':' would split it, and a folder outside the root would be searched first)
// PATH is left alone and the answer says why; empty when done.
std::string putDeviceToolsFirstOnPath();

}  // namespace settings
