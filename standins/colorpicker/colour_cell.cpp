// PFSimpleLiteColorCell: a row's colour as a swatch, and storing the colour a person picks.
// Everything it needs comes from its row's "libcolorpicker" dictionary; the pane's code
// never names it.
#include <cmath>
#include <mutex>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "bridge/selectors.h"
#include "standins/colorpicker/colorpicker.h"
#include "standins/colorpicker/colour_text.h"

namespace vm::colorpicker {
namespace {

using preferences::WriteOutcome;
using preferences::WriteStatus;

// The swatch's size beside the label, in points.
constexpr CGRect kSwatchFrame{{0, 0}, {29, 29}};

// Owned, with no accessors: the cell's own code fills them.
const RetainProperty kSwatch{"_swatch", nullptr, nullptr};
const RetainProperty kShownText{"_shownText", nullptr, nullptr};
const RetainProperty kNote{"_note", nullptr, nullptr};

std::mutex gChoiceLock;
WriteOutcome& latestChoice() {
  static auto* outcome = new WriteOutcome();  // lives as long as the process
  return *outcome;
}

id property(id dictionary, const char* name) {
  return send<id>(dictionary, sel::objectForKey_, nsString(name));
}
std::string stringIn(id dictionary, const char* name) {
  id value = property(dictionary, name);
  return isString(value) ? stdString(value) : std::string();
}

std::string rowName(id specifier, const std::string& rowKey) {
  std::string label = preferences::stringProperty(specifier, preferences::key::kLabel);
  if (label.empty()) return rowKey.empty() ? std::string("this colour row") : rowKey;
  return rowKey.empty() ? "\"" + label + "\"" : rowKey + " (\"" + label + "\")";
}

// Replaces an owned ivar's object with a new one (+1 taken over).
void setOwned(const IvarRef<id>& ivar, id self, id value) {
  id old = ivar.of(self);
  ivar.of(self) = value;
  release(old);
}

id uiColor(const uikit::Rgba& c) {
  return send<id>(vm::cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, c.red, c.green,
                  c.blue, c.alpha);
}

// Reads the stored colour, else the fallback, into the swatch and the shown text.
void showStoredColour(id self) {
  AutoreleasePool pool;
  ColourRow row = colourRowOf(send<id>(self, sel::specifier));
  std::string note;
  ColourFromText shown;
  if (!row.problem.empty()) {
    note = row.problem;
  } else {
    id stored = preferences::storedInDomain(row.domain, nsString(row.key));
    shown = colourFromText(isString(stored) ? stdString(stored) : row.fallback);
    if (stored != nil && (!isString(stored) || !shown.problem.empty() || !shown.hasDigits)) {
      note = "the stored value is not a colour the picker shows; it shows the fallback";
      shown = colourFromText(row.fallback);
    }
  }
  send<void>(kSwatch.of(self), sel::setBackgroundColor_,
             row.problem.empty() ? uiColor(shown.colour) : id{nil});
  setOwned(kShownText, self,
           retain(nsString(row.problem.empty() ? storedColourText(shown.colour) : "")));
  setOwned(kNote, self, retain(nsString(note)));
}

bool isUnitInterval(CGFloat value) {
  return std::isfinite(value) && value >= 0 && value <= 1;
}

WriteOutcome storeChoice(id self, id colour) {
  id specifier = send<id>(self, sel::specifier);
  ColourRow row = colourRowOf(specifier);
  if (!row.problem.empty()) return {WriteStatus::kRefusedValue, row.problem};
  if (!isKindOf(colour, vm::cls::UIColor))
    return {WriteStatus::kRefusedValue, "no colour was picked for " + rowName(specifier, row.key)};
  uikit::Rgba c = uikit::componentsOf(colour);
  if (!isUnitInterval(c.red) || !isUnitInterval(c.green) || !isUnitInterval(c.blue) ||
      !isUnitInterval(c.alpha))
    return {WriteStatus::kRefusedValue, "a picked colour's components are between 0 and 1"};
  if (!row.alpha && c.alpha != 1)
    return {WriteStatus::kRefusedValue,
            rowName(specifier, row.key) + " offers no alpha: its colours are opaque"};
  return preferences::storeInDomain(row.domain, nsString(row.key), nsString(storedColourText(c)),
                                    row.notification);
}

id initWithStyle(id self, SEL, NSInteger style, id reuseIdentifier, id specifier) {
  self =
      sendSuper<id>(self, cls::PFSimpleLiteColorCell, sel::initWithStyle_reuseIdentifier_specifier_,
                    style, reuseIdentifier, specifier);
  if (self == nil) return nil;
  id swatch =
      send<id>(send<id>(vm::cls::UIView.get(), sel::alloc), sel::initWithFrame_, kSwatchFrame);
  kSwatch.of(self) = swatch;
  send<void>(send<id>(self, sel::contentView), sel::addSubview_, swatch);
  showStoredColour(self);
  return self;
}

void chooseColor(id self, SEL, id colour) {
  WriteOutcome outcome = storeChoice(self, colour);
  {
    std::lock_guard<std::mutex> hold(gChoiceLock);
    latestChoice() = outcome;
  }
  if (outcome.stored()) showStoredColour(self);
}

id swatchColor(id self, SEL) {
  return send<id>(kSwatch.of(self), sel::backgroundColor);
}

}  // namespace

ColourRow colourRowOf(id specifier) {
  ColourRow row;
  id options = send<id>(specifier, sel::propertyForKey_, nsString(key::kDictionary));
  if (!isKindOf(options, vm::cls::NSDictionary)) {
    row.problem = rowName(specifier, "") + " has no " + key::kDictionary + " dictionary";
    return row;
  }
  row.domain = stringIn(options, key::kDefaults);
  row.key = stringIn(options, key::kKey);
  row.fallback = stringIn(options, key::kFallback);
  row.notification = stringIn(options, key::kPostNotification);
  id alpha = property(options, key::kAlpha);
  row.alpha = isKindOf(alpha, vm::cls::NSNumber) && send<BOOL>(alpha, sel::boolValue) != NO;
  std::string name = rowName(specifier, row.key);
  std::string where = name + ": its " + key::kDictionary + " dictionary ";
  if (row.domain.empty()) {
    row.problem = where + "names no " + key::kDefaults + " (the settings domain)";
  } else if (row.key.empty()) {
    row.problem = where + "names no " + key::kKey;
  } else {
    ColourFromText fallback = colourFromText(row.fallback);
    if (!fallback.problem.empty() || !fallback.hasDigits)
      row.problem = where + "has no colour as its " + key::kFallback;
  }
  return row;
}

ShownColour shownColour(id cell) {
  ShownColour shown;
  shown.colour = uikit::componentsOf(send<id>(cell, sel::swatchColor));
  shown.text = stdString(kShownText.of(cell));
  shown.note = stdString(kNote.of(cell));
  return shown;
}

WriteOutcome lastChoice() {
  std::lock_guard<std::mutex> hold(gChoiceLock);
  return latestChoice();
}

void registerColourCellClass() {
  ClassBuilder(cls::PFSimpleLiteColorCell.name(), cls::PSTableCell.name())
      .property<kSwatch>()
      .property<kShownText>()
      .property<kNote>()
      .method("initWithStyle:reuseIdentifier:specifier:", initWithStyle)
      .method("chooseColor:", chooseColor)
      .method("swatchColor", swatchColor)
      .build();
}

}  // namespace vm::colorpicker
