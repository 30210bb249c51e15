#include "tweak/flag_value.h"

#include "bridge/foundation.h"

namespace velmotint {

bool stringTruth(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                             text[i] == '\r' || text[i] == '\f' || text[i] == '\v'))
    ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && text[i] == '0') ++i;
  if (i == text.size()) return false;
  char c = text[i];
  return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

std::optional<bool> flagValue(id value) {
  if (vm::isKindOf(value, vm::cls::NSNumber))
    return vm::send<double>(value, vm::sel::doubleValue) != 0.0;
  if (vm::isString(value)) return stringTruth(vm::stdString(value));
  return std::nullopt;
}

}  // namespace velmotint
