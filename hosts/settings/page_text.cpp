#include "hosts/settings/page_text.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "bridge/foundation.h"
#include "hosts/settings/colour_rows.h"
#include "hosts/settings/value_text.h"
#include "hosts/start/terminal_text.h"
#include "standins/preferences/preferences.h"

namespace settings {
namespace {

namespace prefs = vm::preferences;

constexpr size_t kWidth = 88;  // columns of text

std::string property(id row, const char* key) {
  return prefs::stringProperty(row, key);
}

// A row's text as the terminal gets it: the lists are files anyone may edit.
std::string shown(id row, const char* key) {
  return vm::host::terminalText(property(row, key));
}

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// Words filled into lines of at most kWidth columns, each line indented.
std::string wrapped(const std::string& text, const std::string& indent) {
  std::istringstream words(text);
  std::string word, line, out;
  while (words >> word) {
    if (!line.empty() && indent.size() + line.size() + 1 + word.size() > kWidth) {
      out += indent + line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) out += indent + line + "\n";
  return out;
}

std::string padded(const std::string& text, size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

// The texts of the labels a header view puts in its content view, top to bottom.
std::string headerText(id row) {
  vm::AutoreleasePool pool;
  id screen = vm::send<id>(vm::cls::UIScreen.get(), vm::sel::mainScreen);
  id view = prefs::newHeaderView(row, vm::send<CGRect>(screen, vm::sel::bounds).size.width);
  if (view == nil)
    return "  | (header " + property(row, prefs::key::kHeaderCellClass) + " missing)\n";
  std::string out;
  id subviews = vm::send<id>(vm::send<id>(view, vm::sel::contentView), vm::sel::subviews);
  NSUInteger count = vm::send<NSUInteger>(subviews, vm::sel::count);
  for (NSUInteger i = 0; i < count; ++i) {
    id label = vm::send<id>(subviews, vm::sel::objectAtIndex_, i);
    if (vm::isKindOf(label, vm::cls::UILabel))
      out +=
          "  | " + vm::host::terminalText(vm::stdString(vm::send<id>(label, vm::sel::text))) + "\n";
  }
  vm::release(view);
  return out;
}

std::string linkedListName(PaneSession& session, id row) {
  std::string detail = property(row, prefs::key::kDetail);
  for (const Page& page : session.pages()) {
    if (detail == object_getClassName(page.controller)) return page.listName;
  }
  return std::string();
}

}  // namespace

std::string pageText(PaneSession& session, const Page& page) {
  vm::AutoreleasePool pool;
  std::string title = vm::host::terminalText(page.title.empty() ? page.listName : page.title);
  std::string out = title + "\n" + std::string(title.size(), '=') + "\n";
  std::string footer;
  const bool swatches = swatchesForStdout();
  for (id row : PaneSession::rows(page)) {
    std::string cellType = property(row, prefs::key::kCell);
    std::string label = shown(row, prefs::key::kLabel);
    if (cellType == prefs::cell::kGroup) {
      out += wrapped(footer, "    ");
      footer = shown(row, prefs::key::kFooterText);
      out += "\n";
      if (!label.empty()) out += upper(label) + "\n";
      if (!property(row, prefs::key::kHeaderCellClass).empty()) out += headerText(row);
    } else if (isCellRow(row)) {
      out += "  " + padded(label, 36) + colourSwatch(row, swatches) +
             padded(colourRowText(row), 24) + vm::host::terminalText(rowKey(row)) + "\n";
    } else if (cellType == prefs::cell::kLink) {
      out += "  > " + padded(label, 50) + "(Settings show " + linkedListName(session, row) + ")\n";
    } else if (cellType == prefs::cell::kButton) {
      out += "  [ " + label + " ]\n";
    } else if (prefs::storesValue(row)) {
      id value = prefs::shownValue(page.controller, row);
      out += "  " + padded(label, 36) + padded(valueText(row, value), 16) +
             shown(row, prefs::key::kKey) + "\n";
    } else {
      out += "  " + label + "\n";
    }
  }
  out += wrapped(footer, "    ");
  return out;
}

}  // namespace settings
