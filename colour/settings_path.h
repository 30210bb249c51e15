// Where a settings domain's property list lives on the device.
#pragma once

#include <objc/runtime.h>

#include <string>

namespace vm::colour {

// "/var/mobile/Library/Preferences/%@.plist" with the domain in place of "%@", written as
// %@ writes an object (its description; "(null)" for nil). A device path.
std::string settingsDevicePath(id domain);

}  // namespace vm::colour
