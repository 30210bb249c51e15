// Building blocks of the report: the objects a report makes (released together when it is
// done) and its lines of "label   value" text.
#pragma once

#include <objc/runtime.h>

#include <string>
#include <vector>

#include "bridge/platform_types.h"

namespace springboard {

class ReportObjects {
 public:
  ReportObjects() = default;
  ReportObjects(const ReportObjects&) = delete;
  ReportObjects& operator=(const ReportObjects&) = delete;
  ~ReportObjects();

  // Takes ownership of `object` (a +1 reference) and returns it.
  id keep(id object);
  // A new instance through alloc/init, or initWithFrame: for views.
  id make(Class cls);
  id view(Class cls, CGRect frame);

 private:
  std::vector<id> owned_;
};

class ReportLines {
 public:
  void heading(const char* title);
  void add(const char* label, const std::string& value);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

std::string yesNo(bool value);
std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace springboard
