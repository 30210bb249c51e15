// Absolute device paths ("/var/mobile/...") as this machine stores them. On the device a
// path is itself; on Linux it lives under the device root directory named by
// VELMOTINT_DEVICE_ROOT (default: $HOME/.velmotint/device, or /tmp/velmotint-device-<uid>
// without a home).
#pragma once

#include <string>

namespace vm {

inline constexpr const char* kDeviceRootVariable = "VELMOTINT_DEVICE_ROOT";

// The device root directory (no trailing slash); empty on the device.
std::string deviceRoot();

// `devicePath` resolved on this machine.
std::string hostPath(const std::string& devicePath);

}  // namespace vm
