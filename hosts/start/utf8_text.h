// Whether bytes are text: well-formed UTF-8, as Foundation needs to make a string of them.
#pragma once

namespace vm::host {

// True for a NUL-terminated byte string that is well-formed UTF-8: no stray continuation
// bytes, no truncated sequences, no overlong forms, no UTF-16 surrogates, nothing above
// U+10FFFF. Allocates nothing, so it may run before the C++ library is set up.
bool isUtf8Text(const char* bytes);

}  // namespace vm::host
