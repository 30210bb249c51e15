#include "hosts/springboard/report_text.h"

#include <cstdarg>
#include <cstdio>

#include "bridge/foundation.h"

namespace springboard {

ReportObjects::~ReportObjects() {
  for (id object : owned_) vm::release(object);
}

id ReportObjects::keep(id object) {
  if (object != nil) owned_.push_back(object);
  return object;
}

id ReportObjects::make(Class cls) {
  return keep(vm::send<id>(vm::send<id>(cls, vm::sel::alloc), vm::sel::init));
}

id ReportObjects::view(Class cls, CGRect frame) {
  return keep(vm::send<id>(vm::send<id>(cls, vm::sel::alloc), vm::sel::initWithFrame_, frame));
}

void ReportLines::heading(const char* title) {
  text_ += std::string("\n") + title + "\n";
}

void ReportLines::add(const char* label, const std::string& value) {
  char line[320];
  std::snprintf(line, sizeof line, "  %-34s %s\n", label, value.c_str());
  text_ += line;
}

std::string yesNo(bool value) {
  return value ? "yes" : "no";
}

std::string formatted(const char* format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

}  // namespace springboard
