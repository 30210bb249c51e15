// Absolute device paths ("/var/mobile/...") as this machine stores them: under the device
// root directory named by VELMOTINT_DEVICE_ROOT (default: $HOME/.velmotint/device, or
// /tmp/velmotint-device-<uid> without a home). On the device a path is itself, and nothing
// here is compiled.
#pragma once

#include <string>

#include "bridge/linux_seams.h"

namespace vm {

inline constexpr const char* kDeviceRootVariable = "VELMOTINT_DEVICE_ROOT";

// The device root directory (no trailing slash).
std::string deviceRoot();

// deviceRoot() as it is now, remembered per thread for as long as the variables it is made
// from keep their values: asking again costs their lookup and no allocation. Valid until
// the calling thread asks again.
const std::string& currentDeviceRoot();

// currentHostPath(devicePath), the seam the settings store reads device paths through,
// is declared in bridge/linux_seams.h.

// `devicePath` resolved on this machine.
std::string hostPath(const std::string& devicePath);

}  // namespace vm
