#include "hosts/springboard/not_drawn.h"

#include <algorithm>

namespace springboard {
namespace {

struct NotDrawn {
  const char* key;
  std::vector<int> when;  // the flags that must all be on
  const char* reason;
};

const NotDrawn kNotDrawn[] = {
    {"ENABLED22",
     {22},
     "an animation: SpringBoard no longer prepares the slide up to the camera (see \"slide-up "
     "animation prepared\")"},
    {"ENABLED23",
     {23},
     "a timing: the lock screen fades in without its animation and the backlight fades "
     "faster (see \"backlight fade duration\")"},
    {"vmColor4",
     {1, 2},
     "with both tints on, the activity indicators take Lock Screen Secondary; the "
     "pull-to-refresh control it also tints belongs to apps"},
};

}  // namespace

std::vector<std::string> notDrawnLines(const std::vector<int>& on, const OptionLabels& labels) {
  std::vector<std::string> lines;
  for (const NotDrawn& entry : kNotDrawn) {
    bool acts = std::all_of(entry.when.begin(), entry.when.end(), [&on](int flag) {
      return std::find(on.begin(), on.end(), flag) != on.end();
    });
    if (acts) lines.push_back("not drawn: " + optionName(labels, entry.key) + ": " + entry.reason);
  }
  return lines;
}

}  // namespace springboard
