// Text read from files on its way to a terminal: a hand-edited settings file or pane list
// can hold escape sequences that would move the cursor, retitle the window or worse.
#pragma once

#include <string>

namespace vm::host {

// `text` with every control character (C0 and DEL as \xHH, the C1 range's UTF-8 forms as
// \u00HH) written out; all other bytes, a backslash too, stay as they are, so text without
// controls is unchanged.
std::string terminalText(const std::string& text);

}  // namespace vm::host
