#include "hosts/settings/value_text.h"

#include <strings.h>

#include "bridge/foundation.h"
#include "standins/preferences/preferences.h"

namespace settings {
namespace {

namespace prefs = vm::preferences;

bool isSwitch(id row) {
  return prefs::stringProperty(row, prefs::key::kCell) == prefs::cell::kSwitch;
}

bool oneOf(const std::string& text, std::initializer_list<const char*> words) {
  for (const char* word : words) {
    if (strcasecmp(text.c_str(), word) == 0) return true;
  }
  return false;
}

}  // namespace

std::string valueText(id row, id value) {
  if (value == nil) return "(none)";
  if (isSwitch(row)) return vm::send<BOOL>(value, vm::sel::boolValue) != NO ? "on" : "off";
  if (vm::isString(value)) return vm::stdString(value);
  return vm::stdString(vm::send<id>(value, vm::sel::description));
}

id valueFromText(id row, const std::string& text, std::string* problem) {
  if (isSwitch(row)) {
    bool on = oneOf(text, {"on", "yes", "true", "1"});
    if (!on && !oneOf(text, {"off", "no", "false", "0"})) {
      *problem = "\"" + prefs::stringProperty(row, prefs::key::kLabel) +
                 "\" is a switch: give on or off, not \"" + text + "\"";
      return nil;
    }
    return vm::send<id>(vm::cls::NSNumber.get(), vm::sel::numberWithBool_,
                        static_cast<BOOL>(on ? YES : NO));
  }
  id string = vm::nsString(text);
  if (string == nil) *problem = "the value is not UTF-8 text";
  return string;
}

}  // namespace settings
