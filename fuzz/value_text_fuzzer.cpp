// What a person types as a value in the Settings app: read for a switch and for a colour
// field, checked as the row's cell checks it, and shown again. A colour the app accepts
// must read back in the tweak with its alpha between 0 and 1.
#include <cstdint>
#include <string>

#include "bridge/foundation.h"
#include "colour/colour_string.h"
#include "fuzz/fuzz_support.h"
#include "hosts/settings/value_text.h"
#include "standins/preferences/colour_text.h"
#include "standins/preferences/preferences.h"

namespace {

namespace prefs = vm::preferences;

id gSwitchRow = nil;
id gColourRow = nil;

id makeRow(const char* cellType, const char* key, bool colour) {
  id row = vm::send<id>(vm::send<id>(vm::cls::PSSpecifier.get(), vm::sel::alloc), vm::sel::init);
  auto set = [row](id value, const char* name) {
    vm::send<void>(row, vm::sel::setProperty_forKey_, value, vm::nsString(name));
  };
  set(vm::nsString(cellType), prefs::key::kCell);
  set(vm::nsString(key), prefs::key::kLabel);
  set(vm::nsString(key), prefs::key::kKey);
  set(vm::nsString("com.tanvork.velmotint"), prefs::key::kDefaults);
  if (colour)
    set(vm::send<id>(vm::cls::NSNumber.get(), vm::sel::numberWithBool_, static_cast<BOOL>(YES)),
        prefs::key::kIsColourString);
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
  gSwitchRow = makeRow(prefs::cell::kSwitch, "ENABLED2", false);
  gColourRow = makeRow(prefs::cell::kEditText, "vmColor1", true);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vm::AutoreleasePool pool;
  // An argument ends at its first NUL.
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string typed = text.substr(0, text.find('\0'));
  for (id row : {gSwitchRow, gColourRow}) {
    std::string problem;
    id value = settings::valueFromText(row, typed, &problem);
    vm::fuzz::require((value == nil) != problem.empty(), "a value or a reason, never both");
    if (value == nil) continue;
    if (prefs::checkValue(row, value).empty()) settings::valueText(row, value);
  }
  if (prefs::colourStringProblem(typed).empty()) {
    id colour = vm::colour::colourFromColourString(vm::nsString(typed));
    CGFloat alpha = alphaOf(colour);
    vm::fuzz::require(alpha >= 0 && alpha <= 1, "an accepted colour reads back with its alpha");
  }
  return 0;
}
