// Shared pieces of the Preferences stand-in: registration steps, the selectors only it
// sends, and the helpers its files share.
#pragma once

#include <objc/runtime.h>

#include <string>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "bridge/selectors.h"
#include "standins/preferences/preferences.h"

namespace vm::preferences {

// Registration steps, superclasses first.
void registerSpecifierClass();
void registerListControllerClass();
void registerTableCellClass();

// A new row (+1) holding a copy of `entry` (a dictionary of a list's "items").
id newSpecifier(id entry, id target);

// Loads the list `name` for `controller` into a new array of rows (+1); sets the
// controller's title when the list has one. An empty array when there is no such list.
id newSpecifiersFromList(id controller, const std::string& name, id target);

// The directory of the bundle that made `cls` or its nearest superclass that came with a
// bundle. Empty when none did.
std::string bundleDirectoryOf(Class cls);

// The row's value read from its domain's file, else its default; autoreleased.
id readStoredValue(id specifier);

// Records the outcome that lastWriteOutcome() answers.
void recordWriteOutcome(const WriteOutcome& outcome);

}  // namespace vm::preferences
