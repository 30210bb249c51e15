#include "tweak/installer.h"

#include <cstring>

#include "tweak/hook_table.h"
#include "tweak/host_boundary.h"

using velmotint::HookRow;
using velmotint::MethodKind;

std::string velmotint::skippedRowLine(const HookRow& row, bool classFound) {
  std::string line = std::string("Velmotint: skipped ") +
                     (row.kind == MethodKind::Class ? "+[" : "-[") + row.className + " " +
                     row.selector + "]: this iOS release has no ";
  return line + (classFound ? "such method" : std::string("class ") + row.className);
}

void installHooks() {
  const char* currentName = nullptr;
  Class cls = nullptr;
  Class metaclass = nullptr;
  for (const HookRow& row : velmotint::hookTable()) {
    // A class's rows stand together: look each class up once.
    if (currentName == nullptr || std::strcmp(currentName, row.className) != 0) {
      currentName = row.className;
      cls = velmotint::host::classNamed(row.className);
      metaclass = nullptr;
    }
    if (row.kind == MethodKind::Class && metaclass == nullptr)
      metaclass = velmotint::host::metaclassOf(cls);
    Class target = row.kind == MethodKind::Class ? metaclass : cls;
    SEL selector = sel_registerName(row.selector);
    // A class or method this process lacks: skip the row and leave its slot empty, so its
    // replacement can never be reached with nothing to fall back on; and say so.
    if (!velmotint::host::answers(target, selector)) {
      velmotint::host::noteSkippedRow(velmotint::skippedRowLine(row, cls != nullptr));
      continue;
    }
    velmotint::host::replaceMethod(target, selector, row.replacement, row.saved);
  }
}
