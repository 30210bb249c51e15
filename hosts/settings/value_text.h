// A row's value as a person reads and types it: switches as on and off, text as itself.
#pragma once

#include <objc/runtime.h>

#include <string>

namespace settings {

std::string valueText(id row, id value);

// The value (autoreleased) that `text` stands for at `row`; nil with `problem` set when
// the text cannot be that row's kind of value. Whether the value suits the row beyond its
// kind (a colour's form, say) is the row's own decision.
id valueFromText(id row, const std::string& text, std::string* problem);

}  // namespace settings
