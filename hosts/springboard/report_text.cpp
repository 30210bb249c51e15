#include "hosts/springboard/report_text.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace springboard {
namespace {

int byte(double component) {
  return static_cast<int>(std::lround(std::fmin(std::fmax(component, 0.0), 1.0) * 255));
}

std::string row(const char* label, const std::string& value, const std::vector<int>& flags) {
  char line[320];
  std::snprintf(line, sizeof line, "  %-34s %s", label, value.c_str());
  std::string text = line;
  std::string flagsNote = flagsText(flags);
  if (!flagsNote.empty()) {
    // Flags line up in a column after the common short values.
    constexpr size_t kFlagsColumn = 2 + 34 + 1 + 20;
    text += std::string(text.size() < kFlagsColumn ? kFlagsColumn - text.size() : 2, ' ');
    text += flagsNote;
  }
  return text + "\n";
}

// A view the release lacks is driven by no flag.
std::vector<int> flagsOf(const SceneView& view) {
  return view.answer.kind == Answer::Kind::kAbsent ? std::vector<int>{} : view.flags;
}

}  // namespace

TextStyle textStyleForStdout() {
  TextStyle style;
  const char* noColor = std::getenv("NO_COLOR");
  style.swatches = isatty(STDOUT_FILENO) == 1 && (noColor == nullptr || *noColor == '\0');
  return style;
}

std::string decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  // -0.0, and negatives too small to show, would print as "-0.00".
  if (std::strcmp(text, "-0.00") == 0) return "0.00";
  return text;
}

std::string colourText(const Colour& c) {
  char text[32];
  std::snprintf(text, sizeof text, "#%02x%02x%02x alpha ", byte(c.red), byte(c.green),
                byte(c.blue));
  return text + decimal(c.alpha);
}

std::string swatch(const Colour& c, const TextStyle& style) {
  if (!style.swatches) return "";
  char text[48];
  std::snprintf(text, sizeof text, "\033[48;2;%d;%d;%dm  \033[0m", byte(c.red), byte(c.green),
                byte(c.blue));
  return text;
}

std::string answerText(const Answer& a) {
  using Kind = Answer::Kind;
  switch (a.kind) {
    case Kind::kYesNo:
      return a.yes ? "yes" : "no";
    case Kind::kNumber:
      return decimal(a.number);
    case Kind::kSeconds: {
      char text[40];
      std::snprintf(text, sizeof text, "%.17g s", a.number);
      return text;
    }
    case Kind::kCount:
      return std::to_string(std::lround(a.number));
    case Kind::kTimes: {
      long n = std::lround(a.number);
      return n == 1 ? "once" : n == 2 ? "twice" : std::to_string(n) + " times";
    }
    case Kind::kColour:
      return a.colour ? colourText(*a.colour) : "none";
    case Kind::kState:
      return a.text;
    case Kind::kStyle:
      return std::to_string(std::lround(a.number)) + " (" + a.text + ")";
    case Kind::kAbsent:
      return "absent: " + a.text;
  }
  return "";
}

std::string flagsText(const std::vector<int>& flags) {
  if (flags.empty()) return "";
  std::string text = "(";
  for (size_t i = 0; i < flags.size(); ++i)
    text += (i ? ", ENABLED" : "ENABLED") + std::to_string(flags[i]);
  return text + ")";
}

std::string sceneText(const Scene& scene, const TextStyle& style) {
  std::string text;
  const char* group = nullptr;
  for (const SceneView& view : scene.views()) {
    if (group == nullptr || std::strcmp(group, view.group) != 0) {
      group = view.group;
      text += std::string("\n") + group + "\n";
    }
    std::string value = answerText(view.answer);
    if (view.answer.colour && style.swatches) value += " " + swatch(*view.answer.colour, style);
    text += row(view.name, value, flagsOf(view));
  }
  return text;
}

std::string changedRowsText(const Scene& before, const Scene& after) {
  std::string text;
  for (size_t i = 0; i < after.views().size(); ++i) {
    const SceneView& now = after.views()[i];
    std::string was = answerText(before.views()[i].answer);
    std::string is = answerText(now.answer);
    if (was != is) text += row(now.name, was + " -> " + is, flagsOf(now));
  }
  return text;
}

}  // namespace springboard
