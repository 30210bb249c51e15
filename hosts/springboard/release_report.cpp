#include "hosts/springboard/release_report.h"

#include <objc/runtime.h>

#include <cstdio>
#include <map>

#include "standins/releases/ios_release.h"

namespace springboard {
namespace {

using vm::releases::Release;

std::string optionName(const UserOption& option) {
  return std::string(option.label) + " (" + option.key + ")";
}

// The options with this effect, as "Label (KEY), Label (KEY)", or "none".
std::string optionsWith(Effect wanted, const std::function<bool(int)>& installs, bool withCounts) {
  std::string list;
  for (const UserOption& option : userOptions()) {
    OptionEffect effect = effectOf(option, installs);
    if (effect.effect != wanted) continue;
    if (!list.empty()) list += ", ";
    list += optionName(option);
    if (withCounts)
      list += ": " + std::to_string(effect.acting) + " of " + std::to_string(effect.total);
  }
  return list.empty() ? "none" : list;
}

}  // namespace

OptionEffect effectOf(const UserOption& option, const std::function<bool(int)>& installs) {
  OptionEffect result{Effect::None, 0, static_cast<int>(option.rows.size())};
  for (int row : option.rows)
    if (installs(row)) ++result.acting;
  if (result.acting == result.total)
    result.effect = Effect::Full;
  else if (result.acting > 0)
    result.effect = Effect::Partial;
  return result;
}

std::string effectText(const OptionEffect& effect) {
  switch (effect.effect) {
    case Effect::Full:
      return "full";
    case Effect::Partial:
      return "partial (" + std::to_string(effect.acting) + " of " + std::to_string(effect.total) +
             ")";
    case Effect::None:
      break;
  }
  return "no effect";
}

const char* skipReason(const VelmotintHookInfo& row) {
  return objc_getClass(row.className) == nullptr ? "class absent" : "method absent";
}

std::string releaseSummary(const std::vector<VelmotintHookInfo>& rows) {
  Release release = vm::releases::currentRelease();
  std::string name = vm::releases::displayName(release);
  std::string text = "iOS release: " + name;
  if (release == Release::Complete)
    text += std::string(
                " (every class and method the tweak replaces, which no real release has; "
                "--ios X.Y plays one of ") +
            vm::releases::releaseList() + ")";
  text += "\n";
  if (release == Release::iOS6)
    text +=
        "on iOS 6 the lock screen (SBAwayController, SBAwayView, SBAwayLockBar) and the status "
        "bar (SBStatusBarDataManager) are drawn by classes the tweak does not touch: it acts "
        "only on icon images, icon labels, page dots, label colours and activity indicators\n";
  if (rows.empty()) return text;  // no tweak to judge

  std::map<int, bool> installed;
  for (const VelmotintHookInfo& row : rows) installed[row.number] = row.installed != 0;
  auto installs = [&installed](int number) {
    auto found = installed.find(number);
    return found != installed.end() && found->second;
  };
  text += "no effect on " + name + ": " + optionsWith(Effect::None, installs, false) + "\n";
  text += "partial on " + name + ": " + optionsWith(Effect::Partial, installs, true) + "\n";
  return text;
}

std::string releaseTable(const std::vector<VelmotintHookInfo>& rows) {
  std::string text = "| Option | Key |";
  std::string rule = "|---|---|";
  for (Release release : vm::releases::kUserReleases) {
    text += std::string(" ") + vm::releases::displayName(release) + " |";
    rule += "---|";
  }
  text += "\n" + rule + "\n";
  for (const UserOption& option : userOptions()) {
    text += std::string("| ") + option.label + " | `" + option.key + "` |";
    for (Release release : vm::releases::kUserReleases) {
      auto installs = [&rows, release](int number) {
        for (const VelmotintHookInfo& row : rows)
          if (row.number == number)
            return vm::releases::hasMethod(release, row.className, row.isClassMethod != 0,
                                           row.selector);
        return false;
      };
      text += " " + effectText(effectOf(option, installs)) + " |";
    }
    text += "\n";
  }
  return text;
}

int printReleaseTable(const std::vector<VelmotintHookInfo>& rows) {
  if (rows.empty()) {
    std::fprintf(stderr, "SpringBoard: no loaded tweak has a hook table (stage it first)\n");
    return 1;
  }
  std::string table = releaseTable(rows);
  std::fwrite(table.data(), 1, table.size(), stdout);
  return 0;
}

}  // namespace springboard
