// A simulated SpringBoard: makes its classes, loads tweaks as the substrate would, then
// shows what its lock screen, status bar and home screen look like, as a text report and,
// with --picture, as a picture. With --watch it stays up and shows them again after every
// settings-changed notification.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "bridge/foundation.h"
#include "hosts/device_processes/device_processes.h"
#include "hosts/springboard/hook_listing.h"
#include "hosts/springboard/not_drawn.h"
#include "hosts/springboard/picture.h"
#include "hosts/springboard/picture_caption.h"
#include "hosts/springboard/release_profile.h"
#include "hosts/springboard/release_report.h"
#include "hosts/springboard/report_header.h"
#include "hosts/springboard/report_text.h"
#include "hosts/springboard/scene_builder.h"
#include "hosts/springboard/stop_signals.h"
#include "hosts/springboard/tweak_loader.h"
#include "hosts/springboard/tweak_state.h"
#include "hosts/start/device_root_check.h"
#include "hosts/start/process_start.h"
#include "settings_store/settings_names.h"
#include "standins/corefoundation/CoreFoundation.h"
#include "standins/springboard/springboard.h"

namespace {

constexpr const char* kBundleIdentifier = "com.apple.springboard";
constexpr const char* kExecutableName = "SpringBoard";

constexpr const char* kUsage =
    "usage: SpringBoard [--ios X.Y[.Z]] [--watch] [--hooks] [--picture FILE.png|FILE.svg\n"
    "                   [--compare]]\n"
    "       SpringBoard --release-table\n"
    "  Loads the tweaks staged in the device root ($VELMOTINT_DEVICE_ROOT) and reports what\n"
    "  the lock screen, status bar and home screen show.\n"
    "  --ios X.Y[.Z]    play the iOS release that covers X.Y: 6.0-6.1, 7.0, 7.1, 8.0-8.2,\n"
    "                   8.3-8.4 or 9.0-9.3; only the classes and methods it has\n"
    "  --release-table  print each option's effect on each release as a markdown table\n"
    "  --watch          stay up; report again after every "
    "com.tanvork.velmotint/settingschanged\n"
    "  --hooks          list every row of the tweak's hook table\n"
    "  --picture FILE   also draw the screens into FILE (PNG or SVG), again on every report\n"
    "  --compare        with --picture: the stock screens (no tweak loaded) beside them\n"
    "  -h, --help       this text\n"
    "exit status: 0 done, 1 the picture could not be written (--release-table: no tweak\n"
    "  staged), 2 unknown option or release\n";

struct Options {
  bool watch = false;
  bool hooks = false;
  bool releaseTable = false;
  bool compare = false;
  std::string picture;
};

int gWakePipe[2] = {-1, -1};

// Runs on the notification thread after the tweak's own observer (registered earlier, at
// load) has reloaded its flags; the main thread does the drawing.
void settingsChanged(CFNotificationCenterRef, void*, CFNotificationName, const void*,
                     CFDictionaryRef) {
  char byte = 1;
  ssize_t ignored = write(gWakePipe[1], &byte, 1);
  (void)ignored;
}

class Reporter {
 public:
  Reporter(const Options& options, std::vector<springboard::LoadedTweak> tweaks,
           std::optional<springboard::Scene> stock)
      : options_(options),
        stock_(std::move(stock)),
        tweaks_(std::move(tweaks)),
        style_(springboard::textStyleForStdout()),
        labels_(springboard::stagedOptionLabels()) {}

  // Prints the next report; false when the picture could not be written.
  bool report(const char* trigger) {
    vm::AutoreleasePool pool;
    ++generation_;
    springboard::TweakState tweak = springboard::readTweakState(tweaks_);
    springboard::HookListing hooks = springboard::listHooks(tweaks_);
    springboard::Scene scene = springboard::buildScene();

    std::string text = "=== SpringBoard report " + std::to_string(generation_);
    if (trigger != nullptr) text += " (after " + std::string(trigger) + ")";
    text += " ===\n";
    if (previous_) {
      std::string changed = springboard::changedRowsText(*previous_, scene);
      text += changed.empty() ? "no row changed\n" : "changed:\n" + changed;
      text += "\n";
    }
    text += springboard::headerText(tweaks_, tweak, springboard::readSettingsFile(), hooks, style_);
    if (!labels_.empty()) text += "options on: " + springboard::flagNames(labels_, tweak.on) + "\n";
    for (const std::string& line : springboard::notDrawnLines(tweak.on, labels_))
      text += line + "\n";
    text += springboard::releaseSummary(hooks.rows, springboard::paneOptionLabels());
    text += springboard::sceneText(scene, style_);
    if (generation_ == 1) text += springboard::optionLegend(labels_);
    if (options_.hooks) text += "\nHooks\n" + hooks.text;

    bool drawn = true;
    if (!options_.picture.empty()) {
      std::string problem =
          springboard::writePicture(scene, springboard::captionOf(tweak, labels_), options_.picture,
                                    stock_ ? &*stock_ : nullptr);
      drawn = problem.empty();
      if (drawn)
        text += "\npicture: " + options_.picture + "\n";
      else
        std::fprintf(stderr, "SpringBoard: %s\n", problem.c_str());
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
    previous_ = std::move(scene);
    return drawn;
  }

 private:
  Options options_;
  std::optional<springboard::Scene> stock_;  // the screens before any tweak loaded
  std::vector<springboard::LoadedTweak> tweaks_;
  springboard::TextStyle style_;
  springboard::OptionLabels labels_;
  int generation_ = 0;
  std::optional<springboard::Scene> previous_;
};

int misuse(const std::string& problem) {
  std::fprintf(stderr, "SpringBoard: %s\n%s", problem.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (!vm::host::startProcess(kExecutableName, argc, argv)) return 2;
  // After the start-up above, so that a restart as another release passes on the whole
  // environment.
  if (!springboard::adoptReleaseOption(argc, argv)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--watch") {
      options.watch = true;
    } else if (arg == "--hooks") {
      options.hooks = true;
    } else if (arg == "--compare") {
      options.compare = true;
    } else if (arg == "--release-table") {
      options.releaseTable = true;
    } else if (arg == "--picture") {
      if (i + 1 == argc) return misuse("--picture needs a file name");
      options.picture = argv[++i];
    } else {
      return misuse("unknown option \"" + arg + "\"");
    }
  }

  if (!vm::host::checkDeviceRoot(kExecutableName, vm::host::RootName::kAnyBytes)) return 1;
  // Before any thread starts, and before any other exit handler is registered.
  int stopSignals = options.watch ? springboard::watchStopSignals() : -1;

  // The device's killall finds this process through its registration.
  std::string problem;
  if (!vm::device::registerProcess(kExecutableName, &problem))
    std::fprintf(stderr, "SpringBoard: warning: %s; a respring cannot end it\n", problem.c_str());

  if (options.compare && options.picture.empty()) return misuse("--compare needs --picture");

  vm::AutoreleasePool pool;
  VMRegisterSpringBoardClasses();
  // The stock screens, drawn before any tweak can replace a method.
  std::optional<springboard::Scene> stock;
  if (options.compare) stock = springboard::buildScene(false);
  std::vector<springboard::LoadedTweak> tweaks =
      springboard::loadTweaks(kBundleIdentifier, kExecutableName);
  if (options.releaseTable)
    return springboard::printReleaseTable(springboard::listHooks(tweaks).rows,
                                          springboard::paneOptionLabels());
  Reporter reporter(options, std::move(tweaks), std::move(stock));
  bool drawn = reporter.report(nullptr);
  if (!options.watch) return drawn ? 0 : 1;

  if (pipe(gWakePipe) != 0) return 1;
  CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr,
                                  settingsChanged, CFSTR(VM_VELMOTINT_SETTINGS_CHANGED), nullptr,
                                  CFNotificationSuspensionBehaviorCoalesce);
  std::printf("watching for %s\n", vm::kVelmotintSettingsChanged);
  std::fflush(stdout);
  for (;;) {
    pollfd watched[2] = {{gWakePipe[0], POLLIN, 0}, {stopSignals, POLLIN, 0}};
    if (poll(watched, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return 1;
    }
    if ((watched[1].revents & POLLIN) != 0) {
      if (int signal = springboard::takeStopSignal(stopSignals); signal != 0) {
        vm::device::unregisterProcess(kExecutableName);
        springboard::endByStopSignal(signal);
      }
    }
    if ((watched[0].revents & (POLLIN | POLLHUP)) == 0) continue;
    char buffer[64];
    ssize_t got = read(gWakePipe[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return 1;
    reporter.report(vm::kVelmotintSettingsChanged);
  }
}
