// killall [-SIGNAL] NAME...: the simulated device's killall, staged as the device root's
// usr/bin/killall. It ends the processes called NAME that run in this device root
// ($VELMOTINT_DEVICE_ROOT) and no others, so that a respring in one device root leaves
// every other root's SpringBoard running.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "hosts/device_processes/device_processes.h"
#include "hosts/start/device_root_check.h"
#include "linux_only/device_path.h"

namespace {

constexpr const char* kUsage =
    "usage: killall [-SIGNAL] NAME...\n"
    "  Sends SIGNAL (default TERM; a name such as -KILL or a number such as -9) to every\n"
    "  process called NAME in the device root $VELMOTINT_DEVICE_ROOT.\n"
    "  NAME is a plain process name (no '/', not . or ..); only a process of that name\n"
    "  that holds its registration in this device root is signalled.\n"
    "exit status: 0 some process was signalled for each NAME, 1 some NAME had none,\n"
    "2 misuse\n";

int signalNamed(const std::string& text) {
  struct Named {
    const char* name;
    int number;
  };
  static const Named kSignals[] = {{"TERM", SIGTERM}, {"KILL", SIGKILL}, {"INT", SIGINT},
                                   {"HUP", SIGHUP},   {"QUIT", SIGQUIT}, {"USR1", SIGUSR1},
                                   {"USR2", SIGUSR2}};
  std::string name = text.rfind("SIG", 0) == 0 ? text.substr(3) : text;
  for (const Named& each : kSignals) {
    if (name == each.name) return each.number;
  }
  char* end = nullptr;
  long number = std::strtol(text.c_str(), &end, 10);
  return (!text.empty() && *end == '\0' && number > 0 && number < NSIG) ? static_cast<int>(number)
                                                                        : -1;
}

}  // namespace

int main(int argc, char** argv) {
  int signal = SIGTERM;
  std::vector<std::string> names;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg.size() > 1 && arg[0] == '-' && names.empty()) {
      signal = signalNamed(arg.substr(1));
      if (signal < 0) {
        std::fprintf(stderr, "killall: unknown signal or option \"%s\"\n%s", arg.c_str(), kUsage);
        return 2;
      }
      continue;
    }
    std::string problem = vm::device::processNameProblem(arg);
    if (!problem.empty()) {
      std::fprintf(stderr, "killall: %s; nothing was signalled\n", problem.c_str());
      return 2;
    }
    names.push_back(arg);
  }
  if (names.empty()) {
    std::fprintf(stderr, "killall: no process name given\n%s", kUsage);
    return 2;
  }
  if (!vm::host::checkDeviceRoot("killall", vm::host::RootName::kAnyBytes)) return 1;
  int status = 0;
  for (const std::string& name : names) {
    std::vector<std::string> skipped;
    bool none = vm::device::signalProcesses(name, signal, &skipped).empty();
    for (const std::string& line : skipped) std::fprintf(stderr, "killall: %s\n", line.c_str());
    if (none) {
      std::fprintf(stderr, "killall: no %s process runs in the device root %s\n", name.c_str(),
                   vm::deviceRoot().c_str());
      status = 1;
    }
  }
  return status;
}
