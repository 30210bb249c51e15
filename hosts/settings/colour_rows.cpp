#include "hosts/settings/colour_rows.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "bridge/foundation.h"
#include "standins/colorpicker/colorpicker.h"
#include "standins/colorpicker/colour_text.h"

namespace settings {
namespace {

namespace prefs = vm::preferences;
namespace picker = vm::colorpicker;

using prefs::WriteOutcome;
using prefs::WriteStatus;

std::string cellClassOf(id row) {
  return prefs::stringProperty(row, prefs::key::kCellClass);
}

// A new cell (+1) of the class the row names, made for the row as a table makes it; nil
// with `problem` set when there is no such class or it is not the colour picker's cell.
id newCell(id row, std::string* problem) {
  std::string name = cellClassOf(row);
  if (name.empty()) {
    *problem = "the row names no cell class; its colour needs " + std::string(picker::kCellClass);
    return nil;
  }
  Class cellClass = objc_getClass(name.c_str());
  if (cellClass == nullptr) {
    *problem = "its cell class " + name + " does not exist (is the colour-picker library linked?)";
    return nil;
  }
  Class pickerCell = vm::cls::PFSimpleLiteColorCell.get();
  Class c = cellClass;
  while (c != nullptr && c != pickerCell) c = class_getSuperclass(c);
  if (c == nullptr) {
    *problem = "its cell class " + name + " is not the colour picker's cell";
    return nil;
  }
  return vm::send<id>(vm::send<id>(cellClass, vm::sel::alloc),
                      vm::sel::initWithStyle_reuseIdentifier_specifier_, NSInteger{0}, id{nil},
                      row);
}

int byte(double component) {
  return static_cast<int>(std::lround(std::fmin(std::fmax(component, 0.0), 1.0) * 255));
}

std::string swatch(const vm::uikit::Rgba& c) {
  char text[48];
  std::snprintf(text, sizeof text, "\033[48;2;%d;%d;%dm  \033[0m ", byte(c.red), byte(c.green),
                byte(c.blue));
  return text;
}

// What the row's cell shows; `problem` set instead when it has no working cell.
picker::ShownColour shownBy(id row, std::string* problem) {
  vm::AutoreleasePool pool;
  picker::ShownColour shown;
  id cell = newCell(row, problem);
  if (cell == nil) return shown;
  shown = picker::shownColour(cell);
  vm::release(cell);
  if (shown.text.empty()) *problem = shown.note;  // the row's dictionary is unusable
  return shown;
}

}  // namespace

bool isCellRow(id row) {
  return !cellClassOf(row).empty() ||
         vm::send<id>(row, vm::sel::propertyForKey_, vm::nsString(picker::key::kDictionary)) != nil;
}

std::string rowKey(id row) {
  std::string own = prefs::stringProperty(row, prefs::key::kKey);
  return own.empty() && isCellRow(row) ? picker::colourRowOf(row).key : own;
}

std::string rowDomain(id row) {
  std::string own = prefs::stringProperty(row, prefs::key::kDefaults);
  return own.empty() && isCellRow(row) ? picker::colourRowOf(row).domain : own;
}

bool swatchesForStdout() {
  const char* noColor = std::getenv("NO_COLOR");
  return isatty(STDOUT_FILENO) == 1 && (noColor == nullptr || *noColor == '\0');
}

std::string colourRowText(id row) {
  std::string problem;
  picker::ShownColour shown = shownBy(row, &problem);
  if (!problem.empty()) return "(no colour: " + problem + ")";
  std::string text = shown.text + " (alpha " + shown.text.substr(shown.text.find(':') + 1) + ")";
  return shown.note.empty() ? text : text + " (" + shown.note + ")";
}

std::string colourSwatch(id row, bool swatches) {
  if (!swatches) return std::string();
  std::string problem;
  picker::ShownColour shown = shownBy(row, &problem);
  return problem.empty() ? swatch(shown.colour) : std::string();
}

std::string colourValueText(id row) {
  std::string problem;
  picker::ShownColour shown = shownBy(row, &problem);
  return problem.empty() ? shown.text : "(no colour: " + problem + ")";
}

std::string colourFallbackText(id row) {
  picker::ColourFromText fallback = picker::colourFromText(picker::colourRowOf(row).fallback);
  return fallback.problem.empty() ? picker::storedColourText(fallback.colour) : "(none)";
}

WriteOutcome chooseColour(id row, const std::string& text) {
  vm::AutoreleasePool pool;
  picker::ColourFromText typed = picker::colourFromText(text);
  if (!typed.problem.empty())
    return {WriteStatus::kRefusedValue, "\"" + text + "\" is not a colour for " +
                                            prefs::stringProperty(row, prefs::key::kLabel) + ": " +
                                            typed.problem + " (for example #33cc99:0.8)"};
  if (!typed.hasDigits) {
    typed.colour.red = arc4random_uniform(256) / 255.0;
    typed.colour.green = arc4random_uniform(256) / 255.0;
    typed.colour.blue = arc4random_uniform(256) / 255.0;
  }
  std::string problem;
  id cell = newCell(row, &problem);
  if (cell == nil) return {WriteStatus::kRefusedValue, problem};
  id colour =
      vm::send<id>(vm::cls::UIColor.get(), vm::sel::colorWithRed_green_blue_alpha_,
                   typed.colour.red, typed.colour.green, typed.colour.blue, typed.colour.alpha);
  vm::send<void>(cell, vm::sel::chooseColor_, colour);
  vm::release(cell);
  return picker::lastChoice();
}

std::vector<prefs::DomainValue> colourFallbacks(const std::vector<id>& rows) {
  std::vector<prefs::DomainValue> values;
  for (id row : rows) {
    if (!isCellRow(row)) continue;
    picker::ColourRow colour = picker::colourRowOf(row);
    if (!colour.problem.empty()) continue;
    values.push_back({colour.domain, vm::nsString(colour.key), vm::nsString(colour.fallback),
                      colour.notification});
  }
  return values;
}

}  // namespace settings
