// How the framework tables (foundation.h, uikit.h, preferences.h, springboard.h, and
// colorpicker.h for the colour-picker library) declare their entries. Each table is an
// X-macro list of (C++ name, runtime name) pairs, so the tables declare the typed
// references and a test can walk the same lists.
//
// Naming rule, one for classes and selectors alike: the C++ name is the runtime name with
// - every ':' written as '_'                 ("setFrame:" -> setFrame_);
// - a leading '_' written as "p_" (private)  ("_updateView" -> p_updateView,
//                                             "_UIGlintyStringView" -> p_UIGlintyStringView);
// - a trailing '_' added to a C++ keyword    ("new" -> new_).
//
// Each name is declared once, in the table of the lowest framework that has it
// (Foundation, then UIKit with QuartzCore, then Preferences and SpringBoard, then the
// colour-picker library). Classes go to vm::cls, selectors to vm::sel. The references are
// constant-initialised and look themselves up on first use, so the tables add no
// load-time initialiser.
#pragma once

#include "bridge/objc_send.h"

#define VM_DECLARE_CLASS(name, text) inline const ::vm::ClassRef name{text};
#define VM_DECLARE_SELECTOR(name, text) inline const ::vm::SelRef name{text};

// A framework's classes into vm::cls and its selectors into vm::sel.
#define VM_DECLARE_NAMES(classes, selectors) \
  namespace vm::cls {                        \
  classes(VM_DECLARE_CLASS)                  \
  }                                          \
  namespace vm::sel {                        \
  selectors(VM_DECLARE_SELECTOR)             \
  }
