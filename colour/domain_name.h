// The settings domain a colour lookup names.
#pragma once

#include <objc/runtime.h>

#include <string>

namespace vm::colour {

// The domain's text as "%@" writes an object: its description, "(null)" for nil.
std::string domainName(id domain);

}  // namespace vm::colour
