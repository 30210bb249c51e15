// A simulated SpringBoard: makes its classes, loads tweaks as the substrate would, then
// shows what its lock screen, status bar and home screen look like. With --watch it stays
// up and shows them again after every settings-changed notification.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "bridge/device_path.h"
#include "bridge/foundation.h"
#include "hosts/springboard/hook_listing.h"
#include "hosts/springboard/scene_report.h"
#include "hosts/springboard/tweak_loader.h"
#include "hosts/start/process_start.h"
#include "standins/corefoundation/CoreFoundation.h"
#include "standins/springboard/springboard.h"

namespace {

constexpr const char* kBundleIdentifier = "com.apple.springboard";
constexpr const char* kExecutableName = "SpringBoard";

int gWakePipe[2] = {-1, -1};

// Runs on the notification thread after the tweak's own observer (registered earlier, at
// load) has reloaded its flags; the main thread does the drawing.
void settingsChanged(CFNotificationCenterRef, void*, CFNotificationName, const void*,
                     CFDictionaryRef) {
  char byte = 1;
  ssize_t ignored = write(gWakePipe[1], &byte, 1);
  (void)ignored;
}

void printReport(const std::vector<springboard::LoadedTweak>& tweaks, int generation) {
  vm::AutoreleasePool pool;
  springboard::HookListing hooks = springboard::listHooks(tweaks);
  std::string text = "=== SpringBoard report " + std::to_string(generation) + " ===\n";
  text += "device root: " + vm::deviceRoot() + "\n";
  text += "tweaks loaded: " + std::to_string(tweaks.size()) + "\n";
  // Hooks never change after loading: list them in full once.
  if (generation == 1) text += hooks.text;
  text += "hooks installed: " + std::to_string(hooks.installed) +
          ", skipped: " + std::to_string(hooks.skipped) + "\n\n";
  text += springboard::sceneReport();
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

int usage() {
  std::fprintf(stderr, "usage: SpringBoard [--watch]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (!vm::host::startProcess(kExecutableName, argc, argv)) return usage();
  bool watch = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--watch") == 0) {
      watch = true;
    } else {
      return usage();
    }
  }

  vm::AutoreleasePool pool;
  VMRegisterSpringBoardClasses();
  std::vector<springboard::LoadedTweak> tweaks =
      springboard::loadTweaks(kBundleIdentifier, kExecutableName);
  int generation = 1;
  printReport(tweaks, generation);
  if (!watch) return 0;

  if (pipe(gWakePipe) != 0) return 1;
  CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr,
                                  settingsChanged,
                                  CFSTR("com.tanvork.velmotint/settingschanged"), nullptr,
                                  CFNotificationSuspensionBehaviorCoalesce);
  std::printf("watching for com.tanvork.velmotint/settingschanged\n");
  std::fflush(stdout);
  for (;;) {
    char buffer[64];
    ssize_t got = read(gWakePipe[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return 1;
    printReport(tweaks, ++generation);
  }
}
