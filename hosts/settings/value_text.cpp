#include "hosts/settings/value_text.h"

#include <strings.h>

#include "bridge/foundation.h"
#include "hosts/start/terminal_text.h"
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

// What a stored value that no switch can hold is, for people.
std::string kindOf(id value) {
  if (vm::isKindOf(value, vm::cls::NSData)) return "data";
  if (vm::isKindOf(value, vm::cls::NSArray)) return "an array";
  if (vm::isKindOf(value, vm::cls::NSDictionary)) return "a dictionary";
  return std::string("a value of class ") + object_getClassName(value);
}

std::string rawValueText(id row, id value) {
  if (value == nil) return "(none)";
  if (isSwitch(row)) {
    // Numbers and text answer boolValue as the device's switch reads them; a date, data,
    // an array or a dictionary would raise.
    if (!vm::isKindOf(value, vm::cls::NSNumber) && !vm::isString(value))
      return "(not on or off: " + kindOf(value) + ")";
    return vm::send<BOOL>(value, vm::sel::boolValue) != NO ? "on" : "off";
  }
  if (vm::isString(value)) return vm::stdString(value);
  return vm::stdString(vm::send<id>(value, vm::sel::description));
}

}  // namespace

std::string valueText(id row, id value) {
  // From a file anyone may edit: no control character reaches the terminal as it is.
  return vm::host::terminalText(rawValueText(row, value));
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
