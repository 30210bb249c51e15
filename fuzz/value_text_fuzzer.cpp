// What a person types as a value in the Settings app: read for a switch, checked as the
// row's cell checks it, and shown again; read as a colour for a colour row. The text the
// colour picker stores for a colour the app accepts must read back in the tweak with its
// alpha between 0 and 1.
#include <cstdint>
#include <string>

#include "bridge/foundation.h"
#include "colour/colour_string.h"
#include "fuzz/fuzz_support.h"
#include "hosts/settings/value_text.h"
#include "standins/colorpicker/colour_text.h"
#include "standins/preferences/preferences.h"

namespace {

namespace prefs = vm::preferences;

id gSwitchRow = nil;

id makeRow(const char* cellType, const char* key) {
  id row = vm::send<id>(vm::send<id>(vm::cls::PSSpecifier.get(), vm::sel::alloc), vm::sel::init);
  auto set = [row](id value, const char* name) {
    vm::send<void>(row, vm::sel::setProperty_forKey_, value, vm::nsString(name));
  };
  set(vm::nsString(cellType), prefs::key::kCell);
  set(vm::nsString(key), prefs::key::kLabel);
  set(vm::nsString(key), prefs::key::kKey);
  set(vm::nsString("com.tanvork.velmotint"), prefs::key::kDefaults);
  return row;  // kept for the whole run
}

CGFloat alphaOf(id colour) {
  CGFloat red, green, blue, alpha = -1;
  vm::send<BOOL>(colour, vm::sel::getRed_green_blue_alpha_, &red, &green, &blue, &alpha);
  return alpha;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vm::AutoreleasePool pool;
  gSwitchRow = makeRow(prefs::cell::kSwitch, "ENABLED2");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vm::AutoreleasePool pool;
  // An argument ends at its first NUL.
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string typed = text.substr(0, text.find('\0'));
  std::string problem;
  id value = settings::valueFromText(gSwitchRow, typed, &problem);
  vm::fuzz::require((value == nil) != problem.empty(), "a value or a reason, never both");
  if (value != nil && prefs::checkValue(gSwitchRow, value).empty())
    settings::valueText(gSwitchRow, value);
  vm::colorpicker::ColourFromText picked = vm::colorpicker::colourFromText(typed);
  if (picked.problem.empty()) {
    std::string stored = vm::colorpicker::storedColourText(picked.colour);
    id colour = vm::colour::colourFromColourString(vm::nsString(stored));
    CGFloat alpha = alphaOf(colour);
    vm::fuzz::require(alpha >= 0 && alpha <= 1, "an accepted colour reads back with its alpha");
  }
  return 0;
}
