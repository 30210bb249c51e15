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

// deviceRoot() as it is now, remembered per thread for as long as the variables it is made
// from keep their values: asking again costs their lookup and no allocation. Valid until
// the calling thread asks again.
const std::string& currentDeviceRoot();

// hostPath(devicePath) in storage of the calling thread's (on the device, `devicePath`
// itself), valid until the thread asks again: no allocation once it has grown.
const std::string& currentHostPath(const std::string& devicePath);

// `devicePath` resolved on this machine.
std::string hostPath(const std::string& devicePath);

}  // namespace vm
