// The settings domain a colour lookup names.
#pragma once

#include <objc/runtime.h>

#include <string>

namespace vm {
class SettingsDomain;
}

namespace vm::colour {

// The domain's text as "%@" writes an object: its description, "(null)" for nil.
std::string domainName(id domain);

// The settings domain of that text. The last domain found is kept, and known again by the
// immutable string object it was named by or else by its bytes, so the usual lookup of one
// domain again and again builds no string and takes no lock.
SettingsDomain& settingsDomainFor(id domain);

}  // namespace vm::colour
