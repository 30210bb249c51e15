// One pane as the Settings application navigates it: the root page, and the pages its
// link rows open. Each page is a controller of the pane's own classes; the application
// asks it for its rows and tells it when it appears, and nothing more.
#pragma once

#include <objc/runtime.h>

#include <memory>
#include <string>
#include <vector>

namespace settings {

struct Page {
  std::string listName;  // the specifier list the page loaded ("main", ...)
  std::string title;
  id controller = nil;  // owned by the session
  bool visited = false;
};

class PaneSession {
 public:
  // Makes the root controller of `rootClass` and lets its page appear, then makes the
  // controllers its links open and asks each for its rows (they appear only when visited).
  explicit PaneSession(Class rootClass);
  ~PaneSession();
  PaneSession(const PaneSession&) = delete;
  PaneSession& operator=(const PaneSession&) = delete;

  Page& root() { return pages_.front(); }
  std::vector<Page>& pages() { return pages_; }
  // The page whose list name, title or link label is `name` (in any case), or null.
  Page* find(const std::string& name);
  // Lets the page appear (viewWillAppear:), as opening it does.
  void visit(Page& page);

  // The rows of a page, in order.
  static std::vector<id> rows(const Page& page);

 private:
  std::vector<Page> pages_;
};

// A row found by what a person calls it, and the page it is on.
struct FoundRow {
  Page* page = nullptr;
  id row = nil;
  std::string problem;  // when nothing or more than one row answers
};

// The row, on any page, whose key is `name` or whose label is `name` (ignoring case),
// among the rows for which `eligible` holds. `kind` names such rows in messages.
FoundRow findRow(PaneSession& session, const std::string& name, bool (*eligible)(id row),
                 const std::string& kind);

}  // namespace settings
