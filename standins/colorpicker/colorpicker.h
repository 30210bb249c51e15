// The colour-picker library stand-in as C++ callers see it. Panes use the library from
// their specifier lists alone: a row names the library's cell class and carries the
// library's dictionary, and the cell shows and stores the colour.
//
// PFSimpleLiteColorCell : PSTableCell
//   initWithStyle:reuseIdentifier:specifier: reads the row's "libcolorpicker" dictionary
//   and shows the stored colour, else the fallback, as a swatch in its content view.
//   chooseColor: (UIColor) what the picker hands the cell when a person picks a colour:
//   the cell stores "#rrggbb:alpha" under the key in the domain, through the Preferences
//   framework's settings store and its lock, and posts the notification. Refused (nothing
//   stored, see lastChoice) when the row's dictionary lacks the domain, key or fallback,
//   and when the row offers no alpha but the colour is not opaque.
//   swatchColor (stand-in read-back): the UIColor the swatch shows.
#pragma once

#include <objc/runtime.h>

#include <string>

#include "standins/preferences/preferences.h"
#include "standins/uikit/uikit.h"

extern "C" {
// Creates the cell class. The library does this when it is loaded; calling it again
// changes nothing.
void VMRegisterColorPickerClasses(void);
}

namespace vm::colorpicker {

inline constexpr const char* kCellClass = "PFSimpleLiteColorCell";

// The row's dictionary and its keys, as the library's documentation gives them.
namespace key {
inline constexpr const char* kDictionary = "libcolorpicker";
inline constexpr const char* kDefaults = "defaults";  // the settings domain
inline constexpr const char* kKey = "key";
inline constexpr const char* kFallback = "fallback";  // the colour shown when none is stored
inline constexpr const char* kAlpha = "alpha";        // whether the picker offers alpha
inline constexpr const char* kPostNotification = "PostNotification";
}  // namespace key

// A colour row's dictionary read into plain values.
struct ColourRow {
  std::string domain;
  std::string key;
  std::string fallback;
  std::string notification;
  bool alpha = false;
  std::string problem;  // why the cell cannot show or store a colour; empty when it can
};
ColourRow colourRowOf(id specifier);

// What a cell shows: the colour, its stored text, and a note when the stored value is not
// a colour the cell reads (it then shows the fallback).
struct ShownColour {
  uikit::Rgba colour;
  std::string text;  // "#rrggbb:alpha"
  std::string note;
};
ShownColour shownColour(id cell);

// The outcome of this process's latest chooseColor:.
preferences::WriteOutcome lastChoice();

}  // namespace vm::colorpicker
