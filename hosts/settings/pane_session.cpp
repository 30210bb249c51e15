#include "hosts/settings/pane_session.h"

#include <strings.h>

#include "bridge/foundation.h"
#include "hosts/settings/colour_rows.h"
#include "standins/preferences/preferences.h"

namespace settings {

namespace prefs = vm::preferences;

PaneSession::PaneSession(Class rootClass) {
  Page root;
  root.controller = vm::send<id>(vm::send<id>(rootClass, vm::sel::alloc), vm::sel::init);
  vm::send<id>(root.controller, vm::sel::specifiers);
  pages_.push_back(root);
  visit(pages_.front());

  for (id row : rows(pages_.front())) {
    if (prefs::stringProperty(row, prefs::key::kCell) != prefs::cell::kLink) continue;
    Page linked;
    linked.controller = prefs::newLinkedController(row);
    if (linked.controller == nil) continue;
    // The table asks for the rows when the page is made; it appears only when visited.
    vm::send<id>(linked.controller, vm::sel::specifiers);
    pages_.push_back(linked);
  }
  for (Page& page : pages_) {
    page.listName = prefs::loadedListName(page.controller);
    page.title = vm::stdString(vm::send<id>(page.controller, vm::sel::title));
  }
}

PaneSession::~PaneSession() {
  for (Page& page : pages_) vm::release(page.controller);
}

Page* PaneSession::find(const std::string& name) {
  auto same = [&name](const std::string& text) {
    return !text.empty() && strcasecmp(text.c_str(), name.c_str()) == 0;
  };
  for (Page& page : pages_) {
    if (same(page.listName) || same(page.title)) return &page;
  }
  // The label of the root page's link to it.
  for (id row : rows(root())) {
    if (prefs::stringProperty(row, prefs::key::kCell) != prefs::cell::kLink ||
        !same(prefs::stringProperty(row, prefs::key::kLabel)))
      continue;
    std::string detail = prefs::stringProperty(row, prefs::key::kDetail);
    for (Page& page : pages_) {
      if (detail == object_getClassName(page.controller)) return &page;
    }
  }
  return nullptr;
}

void PaneSession::visit(Page& page) {
  vm::send<void>(page.controller, vm::sel::viewWillAppear_, static_cast<BOOL>(YES));
  page.visited = true;
}

std::vector<id> PaneSession::rows(const Page& page) {
  std::vector<id> result;
  id list = vm::send<id>(page.controller, vm::sel::specifiers);
  NSUInteger count = vm::send<NSUInteger>(list, vm::sel::count);
  for (NSUInteger i = 0; i < count; ++i)
    result.push_back(vm::send<id>(list, vm::sel::objectAtIndex_, i));
  return result;
}

FoundRow findRow(PaneSession& session, const std::string& name, bool (*eligible)(id row),
                 const std::string& kind) {
  std::vector<FoundRow> matches;
  std::string known;
  for (Page& page : session.pages()) {
    for (id row : PaneSession::rows(page)) {
      if (!eligible(row)) continue;
      std::string key = rowKey(row);
      std::string label = prefs::stringProperty(row, prefs::key::kLabel);
      if (key == name || (!label.empty() && strcasecmp(label.c_str(), name.c_str()) == 0))
        matches.push_back(FoundRow{&page, row, {}});
      known += "\n  \"" + label + "\"" + (key.empty() ? "" : " (" + key + ")");
    }
  }
  if (matches.size() == 1) return matches.front();
  FoundRow none;
  if (matches.empty()) {
    none.problem = "no " + kind + " is called \"" + name + "\"; there are:" + known;
  } else {
    none.problem = "more than one " + kind + " is called \"" + name + "\"; use its key";
  }
  return none;
}

}  // namespace settings
