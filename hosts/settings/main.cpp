// A simulated Settings application. It finds the installed preference panes as the real
// one does, loads a pane's bundle, and shows its pages as text; options are changed and
// buttons tapped through the pane's own rows, which store and announce the change.
#include <cstdio>
#include <string>
#include <vector>

#include "bridge/foundation.h"
#include "hosts/settings/commands.h"
#include "hosts/start/device_root_check.h"
#include "hosts/start/process_start.h"

namespace {

constexpr const char* kUsage =
    "usage: Settings [--pane LABEL] COMMAND\n"
    "  show [PAGE]        show a page: its list name or title, any case (default: main)\n"
    "  list               every option with its key, label and value; * marks changed ones\n"
    "  get NAME           an option's value; NAME is its label (any case) or key\n"
    "  set NAME VALUE     change an option: on/off (yes/no, true/false, 1/0) for a switch,\n"
    "                     RRGGBB or RGB hex digits (any case, # optional; none at all\n"
    "                     picks a random one), optionally :ALPHA from 0 to 1, for a colour\n"
    "  tap LABEL          tap a button\n"
    "  reset              every option back to its default\n"
    "  --pane LABEL picks the pane when several are installed; -h, --help shows this.\n"
    "exit status: 0 done, 1 refused (a bad value, an unknown name, an unreadable settings\n"
    "file; the message says why), 2 unknown command or option, or wrong arguments\n";

int misuse(const std::string& problem) {
  std::fprintf(stderr, "Settings: %s\n%s", problem.c_str(), kUsage);
  return settings::kMisuse;
}

}  // namespace

int main(int argc, char** argv) {
  if (!vm::host::startProcess("Settings", argc, argv)) return settings::kMisuse;
  vm::AutoreleasePool pool;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string pane;
  while (!args.empty() && args[0].size() > 1 && args[0][0] == '-') {
    if (args[0] == "-h" || args[0] == "--help") {
      std::fputs(kUsage, stdout);
      return settings::kDone;
    }
    if (args[0] != "--pane") return misuse("unknown option \"" + args[0] + "\"");
    if (args.size() < 2) return misuse("--pane needs a pane's label");
    pane = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return misuse("no command given");
  // Bundles are loaded by name, so the root's name must be text.
  if (!vm::host::checkDeviceRoot("Settings", vm::host::RootName::kText)) return settings::kRefused;

  const std::string& command = args[0];
  size_t operands = args.size() - 1;
  struct Form {
    const char* command;
    size_t least, most;
    const char* shape;
  };
  static const Form kForms[] = {{"show", 0, 1, "show [PAGE]"}, {"list", 0, 0, "list"},
                                {"get", 1, 1, "get NAME"},     {"set", 2, 2, "set NAME VALUE"},
                                {"tap", 1, 1, "tap LABEL"},    {"reset", 0, 0, "reset"}};
  for (const Form& form : kForms) {
    if (command != form.command) continue;
    if (operands < form.least || operands > form.most)
      return misuse(std::string("wrong arguments; it is: ") + form.shape);
    if (command == "show") return settings::showPage(pane, operands == 1 ? args[1] : "main");
    if (command == "list") return settings::listOptions(pane);
    if (command == "get") return settings::getOption(pane, args[1]);
    if (command == "set") return settings::setOption(pane, args[1], args[2]);
    if (command == "tap") return settings::tapButton(pane, args[1]);
    return settings::resetOptions(pane);
  }
  return misuse("unknown command \"" + command + "\"");
}
