#include "hosts/settings/commands.h"

#include <strings.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>

#include "bridge/foundation.h"
#include "hosts/settings/colour_rows.h"
#include "hosts/settings/device_tools.h"
#include "hosts/settings/page_text.h"
#include "hosts/settings/pane_loader.h"
#include "hosts/settings/pane_session.h"
#include "hosts/settings/value_text.h"
#include "hosts/start/terminal_text.h"
#include "linux_only/device_path.h"
#include "settings_store/file_bytes.h"
#include "settings_store/property_list.h"
#include "standins/preferences/domain_name_rule.h"
#include "standins/preferences/preferences.h"

namespace settings {
namespace {

namespace prefs = vm::preferences;

constexpr const char* kStartAfresh =
    "Run `Settings reset` to start afresh with every option at its default.";

// A row's text as the terminal gets it: the lists are files anyone may edit.
std::string shown(id row, const char* key) {
  return vm::host::terminalText(prefs::stringProperty(row, key));
}

int refuse(const std::string& message) {
  std::fprintf(stderr, "Settings: %s\n", message.c_str());
  return kRefused;
}

// The session of the pane called `pane`, or null after saying why there is none.
std::unique_ptr<PaneSession> openPane(const std::string& pane) {
  std::vector<PaneEntry> entries = paneEntries();
  const PaneEntry* chosen = nullptr;
  for (const PaneEntry& entry : entries) {
    if (pane.empty() ? entries.size() == 1 : strcasecmp(entry.label.c_str(), pane.c_str()) == 0)
      chosen = &entry;
  }
  if (chosen == nullptr) {
    std::string known;
    for (const PaneEntry& entry : entries) known += " \"" + entry.label + "\"";
    if (entries.empty()) {
      refuse("no preference pane is installed in " + vm::hostPath(kLoaderEntryFolder) +
             " (scripts/stage.sh installs it)");
    } else {
      refuse((pane.empty() ? "several panes are installed; pick one with --pane:"
                           : "no pane is called \"" + pane + "\"; installed:") +
             known);
    }
    return nullptr;
  }
  std::string error;
  Class rootClass = loadPaneClass(*chosen, &error);
  if (rootClass == nullptr) {
    refuse("cannot load the pane \"" + chosen->label + "\": " + error);
    return nullptr;
  }
  return std::make_unique<PaneSession>(rootClass);
}

std::vector<id> everyRow(PaneSession& session) {
  std::vector<id> rows;
  for (const Page& page : session.pages()) {
    for (id row : PaneSession::rows(page)) rows.push_back(row);
  }
  return rows;
}

void warnAboutUnreadableFiles(const std::vector<id>& rows) {
  std::set<std::string> domains;
  for (id row : rows) {
    if (!rowDomain(row).empty()) domains.insert(rowDomain(row));
  }
  for (const std::string& domain : domains) {
    std::string badName = prefs::domainNameProblem(domain);
    if (!badName.empty()) {
      std::fprintf(stderr, "Settings: warning: %s; its rows show their defaults.\n",
                   vm::host::terminalText(badName).c_str());
      continue;
    }
    prefs::DomainFileState state = prefs::domainFileState(domain);
    if (state == prefs::DomainFileState::kNoFolder) {
      std::fprintf(stderr,
                   "Settings: warning: %s; until then the values shown are the defaults and no "
                   "change can be saved.\n",
                   prefs::domainFolderProblem(domain).c_str());
      continue;
    }
    if (state != prefs::DomainFileState::kUnreadable) continue;
    std::string path = prefs::domainFilePath(domain);
    std::string oversize = vm::oversizeText(path, vm::kMaxPropertyListBytes);
    if (!oversize.empty()) {
      std::fprintf(stderr,
                   "Settings: warning: the settings file %s is too large to read (%s); the "
                   "values shown are the defaults and no change can be saved.\n",
                   path.c_str(), oversize.c_str());
      continue;
    }
    std::fprintf(stderr,
                 "Settings: warning: the settings file %s holds no property list of a "
                 "dictionary; the values shown are the defaults and no change can be saved. "
                 "%s\n",
                 prefs::domainFilePath(domain).c_str(), kStartAfresh);
  }
}

bool isOption(id row) {
  return prefs::storesValue(row) || isCellRow(row);
}
bool isButton(id row) {
  return prefs::stringProperty(row, prefs::key::kCell) == prefs::cell::kButton &&
         !prefs::stringProperty(row, prefs::key::kAction).empty();
}

// A row of a pane, its page visited; `found.row` is nil once it has been said why there is
// none.
struct OpenRow {
  std::unique_ptr<PaneSession> session;
  FoundRow found;
};

OpenRow openRow(const std::string& pane, const std::string& name, bool (*eligible)(id row),
                const char* kind) {
  OpenRow open{openPane(pane), {}};
  if (!open.session) return open;
  open.found = findRow(*open.session, name, eligible, kind);
  if (open.found.row == nil) {
    refuse(open.found.problem);
  } else if (!open.found.page->visited) {
    open.session->visit(*open.found.page);
  }
  return open;
}

// A colour row's cell stores the colour, as when a person picks it in its picker.
int setColour(const FoundRow& found, const std::string& value) {
  prefs::WriteOutcome outcome = chooseColour(found.row, value);
  if (outcome.status == prefs::WriteStatus::kUnreadableFile)
    return refuse(outcome.message + ". " + kStartAfresh);
  if (!outcome.stored()) return refuse(outcome.message);
  std::printf("%s (%s): %s\n", shown(found.row, prefs::key::kLabel).c_str(),
              vm::host::terminalText(rowKey(found.row)).c_str(),
              (colourSwatch(found.row, swatchesForStdout()) + colourRowText(found.row)).c_str());
  return kDone;
}

}  // namespace

int showPage(const std::string& pane, const std::string& listName) {
  vm::AutoreleasePool pool;
  std::unique_ptr<PaneSession> session = openPane(pane);
  if (!session) return kRefused;
  Page* page = session->find(listName);
  if (page == nullptr) {
    std::string known;
    for (const Page& each : session->pages())
      known += "\n  " + each.listName + (each.title.empty() ? "" : " (\"" + each.title + "\")");
    return refuse("no page is called \"" + listName + "\"; the pages are:" + known);
  }
  if (!page->visited) session->visit(*page);
  warnAboutUnreadableFiles(PaneSession::rows(*page));
  std::string text = pageText(*session, *page);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kDone;
}

int setOption(const std::string& pane, const std::string& name, const std::string& value) {
  vm::AutoreleasePool pool;
  OpenRow open = openRow(pane, name, isOption, "option");
  if (open.found.row == nil) return kRefused;
  const FoundRow& found = open.found;
  if (isCellRow(found.row)) return setColour(found, value);

  std::string problem;
  id newValue = valueFromText(found.row, value, &problem);
  if (newValue == nil) return refuse(problem);
  // The row's cell accepts only what suits the row, as a switch or a colour field does.
  problem = prefs::checkValue(found.row, newValue);
  if (!problem.empty()) return refuse(problem);
  // The row's controller stores the value, as a cell hands its change to its target.
  id target = vm::send<id>(found.row, vm::sel::target);
  vm::send<void>(target, vm::sel::setPreferenceValue_specifier_, newValue, found.row);
  prefs::WriteOutcome outcome = prefs::lastWriteOutcome();
  if (outcome.status == prefs::WriteStatus::kUnreadableFile)
    return refuse(outcome.message + ". " + kStartAfresh);
  if (!outcome.stored()) return refuse(outcome.message);

  std::printf("%s (%s): %s\n", shown(found.row, prefs::key::kLabel).c_str(),
              shown(found.row, prefs::key::kKey).c_str(),
              valueText(found.row, prefs::shownValue(found.page->controller, found.row)).c_str());
  return kDone;
}

int getOption(const std::string& pane, const std::string& name) {
  vm::AutoreleasePool pool;
  OpenRow open = openRow(pane, name, isOption, "option");
  if (open.found.row == nil) return kRefused;
  const FoundRow& found = open.found;
  warnAboutUnreadableFiles({found.row});
  std::printf(
      "%s\n",
      isCellRow(found.row)
          ? colourValueText(found.row).c_str()
          : valueText(found.row, prefs::shownValue(found.page->controller, found.row)).c_str());
  return kDone;
}

int listOptions(const std::string& pane) {
  vm::AutoreleasePool pool;
  std::unique_ptr<PaneSession> session = openPane(pane);
  if (!session) return kRefused;
  std::vector<id> options;
  std::string text;
  for (Page& page : session->pages()) {
    if (!page.visited) session->visit(page);
    for (id row : PaneSession::rows(page)) {
      if (!isOption(row)) continue;
      options.push_back(row);
      bool cell = isCellRow(row);
      std::string value =
          cell ? colourValueText(row) : valueText(row, prefs::shownValue(page.controller, row));
      std::string standard = cell
                                 ? colourFallbackText(row)
                                 : valueText(row, vm::send<id>(row, vm::sel::propertyForKey_,
                                                               vm::nsString(prefs::key::kDefault)));
      char line[256];
      std::snprintf(line, sizeof line, "  %-10s %-30s %s",
                    vm::host::terminalText(rowKey(row)).c_str(),
                    shown(row, prefs::key::kLabel).c_str(), value.c_str());
      text += line;
      text += value == standard ? "\n" : "   * (default " + standard + ")\n";
    }
  }
  warnAboutUnreadableFiles(options);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::printf("(* differs from the default)\n");
  return kDone;
}

int tapButton(const std::string& pane, const std::string& label) {
  vm::AutoreleasePool pool;
  OpenRow open = openRow(pane, label, isButton, "button");
  if (open.found.row == nil) return kRefused;
  const FoundRow& found = open.found;

  std::string action = prefs::stringProperty(found.row, prefs::key::kAction);
  SEL selector = sel_registerName(action.c_str());
  id target = vm::send<id>(found.row, vm::sel::target);
  if (vm::send<BOOL>(target, vm::sel::respondsToSelector_, selector) == NO)
    return refuse("the button \"" + label + "\" does nothing: its page has no " + action);
  // A command the pane runs is looked up on PATH, the device root's usr/bin first.
  std::string problem = putDeviceToolsFirstOnPath();
  if (!problem.empty()) return refuse(problem);
  std::error_code ec;
  if (!std::filesystem::exists(vm::hostPath("/usr/bin/killall"), ec)) {
    std::fprintf(stderr,
                 "Settings: warning: the device root has no usr/bin/killall (scripts/stage.sh "
                 "puts it there); a killall the pane runs would be this machine's own\n");
  }
  std::printf("tapped %s\n", shown(found.row, prefs::key::kLabel).c_str());
  std::fflush(stdout);
  // A button's action gets the row that was tapped.
  vm::send<void>(target, selector, found.row);
  std::fflush(stdout);
  return kDone;
}

int resetOptions(const std::string& pane) {
  vm::AutoreleasePool pool;
  std::unique_ptr<PaneSession> session = openPane(pane);
  if (!session) return kRefused;
  std::vector<id> rows = everyRow(*session);
  prefs::WriteOutcome outcome = prefs::resetToDefaults(rows, colourFallbacks(rows));
  if (!outcome.stored()) return refuse(outcome.message);
  size_t options = 0;
  for (id row : rows) options += isOption(row) ? 1 : 0;
  std::printf("every option is back at its default (%zu options)\n", options);
  return kDone;
}

}  // namespace settings
