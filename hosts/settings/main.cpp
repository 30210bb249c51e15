// A simulated Settings application. It finds the installed preference panes as the real
// one does, loads a pane's bundle, and shows its pages as text; options are changed and
// buttons tapped through the pane's own rows, which store and announce the change.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bridge/foundation.h"
#include "hosts/settings/commands.h"
#include "hosts/start/process_start.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: Settings [--pane LABEL] show [PAGE]     show a page (default: main)\n"
               "       Settings [--pane LABEL] set NAME VALUE  change an option, NAME its label "
               "or key\n"
               "       Settings [--pane LABEL] tap LABEL       tap a button\n"
               "       Settings [--pane LABEL] reset           every option back to its "
               "default\n");
  return settings::kMisuse;
}

}  // namespace

int main(int argc, char** argv) {
  if (!vm::host::startProcess("Settings", argc, argv)) return settings::kMisuse;
  vm::AutoreleasePool pool;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string pane;
  if (args.size() >= 2 && args[0] == "--pane") {
    pane = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return usage();
  const std::string& command = args[0];
  if (command == "show" && args.size() <= 2)
    return settings::showPage(pane, args.size() == 2 ? args[1] : "main");
  if (command == "set" && args.size() == 3) return settings::setOption(pane, args[1], args[2]);
  if (command == "tap" && args.size() == 2) return settings::tapButton(pane, args[1]);
  if (command == "reset" && args.size() == 1) return settings::resetOptions(pane);
  return usage();
}
