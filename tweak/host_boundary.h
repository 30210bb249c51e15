// Everything the tweak takes from the process that loads it: class lookup, the hooking
// call and the Darwin notification centre. Where the settings file lives on this machine is
// its settings domain's business (settings_store/settings_domain.h).
#pragma once

#include <objc/runtime.h>

#include <string>

#if defined(__APPLE__)
#include <CoreFoundation/CoreFoundation.h>
#else
#include "standins/corefoundation/CoreFoundation.h"
#endif

namespace velmotint::host {

// The loaded class of that name, or nil.
Class classNamed(const char* name);

// The object that holds `cls`'s class methods.
Class metaclassOf(Class cls);

// Whether instances of `cls` (or, for a metaclass, the class itself) answer `selector`.
bool answers(Class cls, SEL selector);

// Replaces `selector` on `cls` alone with `replacement`; the former implementation goes
// to `*saved`.
void replaceMethod(Class cls, SEL selector, IMP replacement, IMP* saved);

// Tells whoever watches the process that a hook row was skipped. On the device that is the
// system log (NSLog), one line per row; on Linux the loader lists skipped rows in its own
// report, so the line goes nowhere.
void noteSkippedRow(const std::string& line);

}  // namespace velmotint::host
