// The substrate's hooking call, as the tweak declares it on the device.
#pragma once

#include <objc/runtime.h>

extern "C" {

// Makes `hook` the implementation of `selector` for `cls` (a class, or a metaclass for
// class methods) and stores the former implementation in `*old` when `old` is not null.
// For a method that `cls` only inherits, the replacement is added to `cls` alone and
// `*old` receives a function that runs the superclass's current implementation, so
// sibling classes keep theirs. A nil class, or a selector that nothing in the class's
// hierarchy implements, installs nothing and leaves `*old` null.
void MSHookMessageEx(Class cls, SEL selector, IMP hook, IMP* old);
}
