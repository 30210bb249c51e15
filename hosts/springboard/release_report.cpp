#include "hosts/springboard/release_report.h"

#include <objc/runtime.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "standins/releases/ios_release.h"

namespace springboard {
namespace {

using vm::releases::Release;

std::string optionName(const UserOption& option) {
  return option.label + " (" + option.key + ")";
}

// Whether `key` is one of the space-ended keys in `keys` ("ENABLED1 ENABLED2 ").
bool lists(const char* keys, const std::string& key) {
  return (" " + std::string(keys)).find(" " + key + " ") != std::string::npos;
}

// "ENABLED2" before "ENABLED10", every flag before every colour.
bool keyOrder(const std::string& a, const std::string& b) {
  auto split = [](const std::string& key) {
    std::size_t digits = key.find_first_of("0123456789");
    return std::make_pair(key.substr(0, digits) != "ENABLED",
                          std::make_pair(std::atoi(key.c_str() + digits), key));
  };
  return split(a) < split(b);
}

// The options with this effect, as "Label (KEY), Label (KEY)", or "none".
std::string optionsWith(const std::vector<UserOption>& options, Effect wanted,
                        const std::function<bool(int)>& installs, bool withCounts) {
  std::string list;
  for (const UserOption& option : options) {
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

std::vector<UserOption> userOptions(const std::vector<VelmotintHookInfo>& rows,
                                    const OptionLabels& labels) {
  std::set<std::string, decltype(&keyOrder)> keys(&keyOrder);
  for (const VelmotintHookInfo& row : rows) {
    for (const char* spelt : {row.flags, row.colours}) {
      std::istringstream words(spelt);
      for (std::string key; words >> key;) keys.insert(key);
    }
  }
  std::vector<UserOption> options;
  for (const std::string& key : keys) {
    auto label = labels.find(key);
    UserOption option{key, label == labels.end() ? key : label->second, {}};
    for (const VelmotintHookInfo& row : rows)
      if (lists(row.flags, key) || lists(row.colours, key)) option.rows.push_back(row.number);
    options.push_back(option);
  }
  return options;
}

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

std::string releaseSummary(const std::vector<VelmotintHookInfo>& rows, const OptionLabels& labels) {
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
  const std::vector<UserOption> options = userOptions(rows, labels);
  text +=
      "no effect on " + name + ": " + optionsWith(options, Effect::None, installs, false) + "\n";
  text +=
      "partial on " + name + ": " + optionsWith(options, Effect::Partial, installs, true) + "\n";
  return text;
}

std::string releaseTable(const std::vector<VelmotintHookInfo>& rows, const OptionLabels& labels) {
  std::string text = "| Option | Key |";
  std::string rule = "|---|---|";
  for (Release release : vm::releases::kUserReleases) {
    text += std::string(" ") + vm::releases::displayName(release) + " |";
    rule += "---|";
  }
  text += "\n" + rule + "\n";
  for (const UserOption& option : userOptions(rows, labels)) {
    text += "| " + option.label + " | `" + option.key + "` |";
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

int printReleaseTable(const std::vector<VelmotintHookInfo>& rows, const OptionLabels& labels) {
  if (rows.empty()) {
    std::fprintf(stderr, "SpringBoard: no loaded tweak has a hook table (stage it first)\n");
    return 1;
  }
  std::string table = releaseTable(rows, labels);
  std::fwrite(table.data(), 1, table.size(), stdout);
  return 0;
}

}  // namespace springboard
