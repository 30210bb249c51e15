#include "hosts/springboard/picture_caption.h"

#include <sstream>

#include "hosts/springboard/not_drawn.h"
#include "hosts/springboard/picture_layout.h"
#include "hosts/springboard/release_views.h"
#include "standins/releases/ios_release.h"
#include "tweak/settings_keys.h"

namespace springboard {
namespace {

// `words` in lines of at most `first` characters, then `rest`, continued under an indent.
void wrap(const std::string& words, size_t first, size_t rest, std::vector<std::string>& lines) {
  std::istringstream in(words);
  std::string line;
  size_t width = first;
  bool fresh = true;
  for (std::string word; in >> word;) {
    if (!fresh && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line = "    ";
      width = rest;
      fresh = true;
    }
    line += (fresh ? "" : " ") + word;
    fresh = false;
  }
  lines.push_back(line);
}

}  // namespace

Caption captionOf(const TweakState& tweak, const OptionLabels& labels) {
  Caption caption;
  caption.colours = tweak.colours;
  for (const char* key : velmotint::kColourKeys) {
    auto found = labels.find(key);
    caption.colourLabels.push_back(found != labels.end() ? found->second : key);
  }
  vm::releases::Release release = vm::releases::currentRelease();
  caption.release = release == vm::releases::Release::Complete ? "Complete set"
                                                               : vm::releases::displayName(release);
  // The first line is in larger type, after the release.
  wrap("Flags on: " + flagNames(labels, tweak.on), picture::kLineCharacters * 3 / 4,
       picture::kLineCharacters, caption.lines);
  for (const std::string& line : notDrawnLines(tweak.on, labels))
    wrap(line, picture::kLineCharacters, picture::kLineCharacters, caption.lines);
  for (const std::string& note : absentNotes())
    wrap(note, picture::kLineCharacters, picture::kLineCharacters, caption.lines);
  return caption;
}

}  // namespace springboard
