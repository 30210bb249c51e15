// The colour-picker library's cell class and the selectors the Settings app sends it.
// Naming rule: name_rule.h. Neither deliverable sends these: the pane names the cell class
// in its specifier lists only.
#pragma once

#include "bridge/names/name_rule.h"

#define VM_COLORPICKER_CLASSES(X) X(PFSimpleLiteColorCell, "PFSimpleLiteColorCell")

#define VM_COLORPICKER_SELECTORS(X)                                          \
  /* What the picker hands the cell; then the stand-in's read-back getter */ \
  X(chooseColor_, "chooseColor:")                                            \
  X(swatchColor, "swatchColor")

VM_DECLARE_NAMES(VM_COLORPICKER_CLASSES, VM_COLORPICKER_SELECTORS)
