#include "hosts/springboard/picture.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "hosts/springboard/picture_layout.h"
#include "tweak/settings_keys.h"

namespace springboard {
namespace {

namespace layout = picture;
constexpr Colour kWhite{1, 1, 1, 1};
constexpr Colour kGrey{0.7, 0.7, 0.7, 1};
constexpr Colour kHiddenOutline{1, 1, 1, 0.35};
constexpr Colour kBadgeRed{1, 0.23, 0.19, 1};         // the platform's badge image
constexpr Colour kChargingGreen{0.3, 0.85, 0.39, 1};  // the platform's charging battery
const char* const kFont = "DejaVu Sans";

// Schematic icon images, one colour per app.
constexpr Colour kIconColours[] = {
    {0.2, 0.6, 1, 1},   {0.3, 0.85, 0.4, 1},   {1, 0.8, 0.2, 1},    {1, 0.4, 0.3, 1},
    {0.6, 0.4, 0.9, 1}, {0.95, 0.95, 0.95, 1}, {0.2, 0.2, 0.25, 1}, {1, 0.55, 0.1, 1},
};
const char* const kIconNames[] = {"Mail",     "Messages", "Notes", "Music",
                                  "Podcasts", "Photos",   "Clock", "Books"};

class Painter {
 public:
  Painter(cairo_t* cr, const Scene& scene) : cr_(cr), scene_(scene) {}

  // `side` follows each screen's title: empty, or which half of a comparison it is.
  void lockScreen(const std::string& side = "") {
    begin(layout::kLockScreen, layout::kLockWallpaper, "Lock screen" + side);
    // The lock screen asks for its status bar's style: 0 is dark text, 1 light.
    bool darkText = !absent(View::kStatusBarStyle) && answer(View::kStatusBarStyle).number == 0;
    if (shown(View::kStatusBarShown))
      statusBar(absent(View::kStatusBarAlpha) ? 1.0 : answer(View::kStatusBarAlpha).number,
                darkText);
    grabber(View::kTopGrabberHidden, View::kTopGrabberBackground);
    date();
    banner();
    charging();
    slideToUnlock();
    grabber(View::kBottomGrabberHidden, View::kBottomGrabberBackground);
    // From 8.0 the slide-up grabber shows the camera.
    if (answer(View::kCameraGrabber).yes ||
        (absent(View::kCameraGrabber) && answer(View::kSlideUpGrabber).yes))
      camera();
    cairo_restore(cr_);
  }

  void homeScreen(const std::string& side = "") {
    begin(layout::kHomeScreen, layout::kHomeWallpaper, "Home screen" + side);
    statusBar(1.0);
    icons();
    if (answer(View::kPageControl).yes) pageDots();
    cairo_restore(cr_);
  }

  void caption(const Caption& caption) {
    for (int n = 1; n <= static_cast<int>(velmotint::kColourKeys.size()); ++n) {
      Frame f = layout::swatchFrame(n);
      checkerboard(f);
      const std::optional<Colour>& c = caption.colours[n - 1];
      if (c) fill(f, *c, 4);
      stroke(f, kWhite, 1, 4);
      std::string key = velmotint::kColourKeys[n - 1];
      bool named =
          n <= static_cast<int>(caption.colourLabels.size()) && caption.colourLabels[n - 1] != key;
      text(named ? caption.colourLabels[n - 1] : key, f.x + f.width + 6, f.y + 12, 11, kWhite,
           false);
      if (named) text(key, f.x + f.width + 6, f.y + 25, 10, kGrey, false);
      if (!c) text("?", f.x + 9, f.y + 19, 14, kWhite, false);
    }
    double x = 16;
    for (size_t i = 0; i < caption.lines.size(); ++i) {
      double y = layout::kLinesTop + i * layout::kLine;
      if (i == 0 && !caption.release.empty()) {
        text(caption.release, x, y, 13, kWhite, false, 0, true);
        x += advance(caption.release, 13, true) + 10;
      }
      text(caption.lines[i], i == 0 ? x : 16, y, i == 0 ? 13 : 11, kWhite, false);
    }
  }

 private:
  const Answer& answer(View id) const { return scene_[id].answer; }
  // A view the release lacks is drawn as the release's own classes draw it, untouched.
  bool absent(View id) const { return answer(id).kind == Answer::Kind::kAbsent; }
  bool shown(View id) const { return answer(id).yes || absent(id); }
  Frame frame(View id) const { return scene_[id].frame; }
  std::optional<Colour> colourOf(View id) const { return answer(id).colour; }

  void set(const Colour& c) { cairo_set_source_rgba(cr_, c.red, c.green, c.blue, c.alpha); }

  void path(const Frame& f, double radius) {
    double r = std::fmin(radius, std::fmin(f.width, f.height) / 2);
    if (r <= 0) {
      cairo_rectangle(cr_, f.x, f.y, f.width, f.height);
      return;
    }
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, f.x + f.width - r, f.y + r, r, -M_PI / 2, 0);
    cairo_arc(cr_, f.x + f.width - r, f.y + f.height - r, r, 0, M_PI / 2);
    cairo_arc(cr_, f.x + r, f.y + f.height - r, r, M_PI / 2, M_PI);
    cairo_arc(cr_, f.x + r, f.y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
  }
  void fill(const Frame& f, const Colour& c, double radius = 0) {
    path(f, radius);
    set(c);
    cairo_fill(cr_);
  }
  void stroke(const Frame& f, const Colour& c, double width, double radius = 0) {
    if (width <= 0) return;
    // Core Animation draws a border inside the layer's bounds.
    Frame inner{f.x + width / 2, f.y + width / 2, f.width - width, f.height - width};
    path(inner, radius - width / 2);
    set(c);
    cairo_set_line_width(cr_, width);
    cairo_stroke(cr_);
  }
  void text(const std::string& words, double x, double y, double size, const Colour& c,
            bool centred, double width = 0, bool bold = false) {
    cairo_select_font_face(cr_, kFont, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, size);
    if (centred) {
      cairo_text_extents_t extents;
      cairo_text_extents(cr_, words.c_str(), &extents);
      x += (width - extents.x_advance) / 2;
    }
    set(c);
    cairo_move_to(cr_, x, y);
    cairo_show_text(cr_, words.c_str());
  }
  double advance(const std::string& words, double size, bool bold) {
    cairo_select_font_face(cr_, kFont, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, words.c_str(), &extents);
    return extents.x_advance;
  }
  void checkerboard(const Frame& f) {
    for (int row = 0; row < 4; ++row) {
      for (int col = 0; col < 4; ++col) {
        double shade = (row + col) % 2 ? 0.6 : 0.9;
        fill(Frame{f.x + col * f.width / 4, f.y + row * f.height / 4, f.width / 4, f.height / 4},
             Colour{shade, shade, shade, 1});
      }
    }
  }

  // Titles the screen, clips to it and makes its top left the origin.
  void begin(const Frame& screen, const Colour& wallpaper, const std::string& title) {
    text(title, screen.x, screen.y - 12, 14, kWhite, false, 0, true);
    cairo_save(cr_);
    cairo_translate(cr_, screen.x, screen.y);
    cairo_rectangle(cr_, 0, 0, screen.width, screen.height);
    cairo_clip(cr_);
    fill(Frame{0, 0, screen.width, screen.height}, wallpaper);
  }

  void statusBar(double alpha, bool darkText = false) {
    cairo_push_group(cr_);
    if (auto background = colourOf(View::kStyleBackground))
      fill(frame(View::kStyleBackground), *background);
    Colour textColour =
        colourOf(darkText ? View::kStatusTextDefault : View::kStatusTextLight).value_or(kWhite);
    if (darkText && absent(View::kStatusTextDefault)) textColour = Colour{0, 0, 0, 1};
    // The style's foreground colours what the status bar draws beside its text: the time.
    Colour foreground =
        darkText ? textColour : colourOf(View::kStyleForeground).value_or(textColour);
    for (int i = 0; i < 5; ++i) {
      cairo_arc(cr_, layout::signalDotX(i), layout::kSignalDotY, layout::kSignalDotRadius, 0,
                2 * M_PI);
      set(textColour);
      cairo_fill(cr_);
    }
    if (shown(View::kAirplaneItem)) {
      Frame f = frame(View::kAirplaneItem);
      cairo_move_to(cr_, f.x, f.y + f.height / 2);
      cairo_line_to(cr_, f.x + f.width, f.y + 2);
      cairo_line_to(cr_, f.x + f.width * 0.6, f.y + f.height / 2);
      cairo_line_to(cr_, f.x + f.width, f.y + f.height - 2);
      cairo_close_path(cr_);
      set(textColour);
      cairo_fill(cr_);
    }
    if (shown(View::kActivityItem)) {
      Frame f = frame(View::kActivityItem);
      cairo_arc(cr_, f.x + f.width / 2, f.y + f.height / 2, f.width / 2 - 1.5, 0, 1.5 * M_PI);
      set(colourOf(View::kActivityIndicator).value_or(textColour));
      cairo_set_line_width(cr_, 2);
      cairo_stroke(cr_);
    }
    Frame time = frame(View::kTimeItem);
    text(shown(View::kTimeItem) ? "9:41" : "9:40", time.x, time.y + 15, 12, foreground, true,
         time.width, true);
    Frame battery = frame(View::kBatteryHalf);
    stroke(battery, textColour, 1, 2);
    std::optional<Colour> charge = colourOf(View::kBatteryHalf);
    if (absent(View::kBatteryHalf)) charge = textColour;
    if (charge)
      fill(Frame{battery.x + 1, battery.y + 1, (battery.width - 2) / 2, battery.height - 2},
           *charge);
    if (answer(View::kBatteryAccessory).yes)
      fill(Frame{battery.x + battery.width + 1, battery.y + 3, 2, battery.height - 6}, textColour);
    cairo_pop_group_to_source(cr_);
    cairo_paint_with_alpha(cr_, alpha);
  }

  void grabber(View hidden, View background) {
    if (answer(hidden).yes) return;
    if (auto c = colourOf(background)) fill(frame(background), *c, 3);
  }

  void date() {
    Frame f = frame(View::kDateHidden);
    if (!shown(View::kDateLoaded)) return;  // removed: nothing there at all
    if (!shown(View::kShowsDate) || answer(View::kDateHidden).yes) {
      // Hidden, the view is still there and keeps its place: a faint outline says so.
      double dashes[] = {4, 4};
      cairo_set_dash(cr_, dashes, 2, 0);
      stroke(Frame{f.x + 40, f.y + 4, f.width - 80, f.height - 8}, kHiddenOutline, 1, 6);
      cairo_set_dash(cr_, nullptr, 0, 0);
      text("date (hidden)", f.x, f.y + 50, 12, kHiddenOutline, true, f.width);
      return;
    }
    Colour c = colourOf(View::kLabelColour).value_or(kWhite);
    text("9:41", f.x, f.y + 62, 64, c, true, f.width);
    text("Tuesday, 8 December", f.x, f.y + 86, 17, c, true, f.width);
  }

  void banner() {
    if (absent(View::kBannerBackground)) return;
    Frame f = frame(View::kBannerBackground);
    if (auto c = colourOf(View::kBannerBackground)) fill(f, *c, 10);
    text("Messages: see you at eight", f.x + 14, f.y + 26, 13, kWhite, false);
    if (auto c = colourOf(View::kBannerGrabber)) fill(frame(View::kBannerGrabber), *c, 2.5);
  }

  void charging() {
    if (!answer(View::kChargingView).yes) return;
    Frame f = frame(View::kChargingView);
    Colour outline = colourOf(View::kLabelColour).value_or(kWhite);
    stroke(f, outline, 3, 8);
    fill(Frame{f.x + f.width + 2, f.y + f.height / 3, 6, f.height / 3}, outline);
    if (answer(View::kChargingBatteryVisible).yes &&
        answer(View::kChargingViewBatteryVisible).yes) {
      std::optional<Colour> level = colourOf(View::kBatteryCharging);
      if (absent(View::kBatteryCharging)) level = kChargingGreen;
      if (level) fill(Frame{f.x + 6, f.y + 6, (f.width - 12) * 0.5, f.height - 12}, *level, 4);
    }
  }

  void slideToUnlock() {
    if (auto c = colourOf(View::kSlideBackground)) fill(frame(View::kSlideBackground), *c);
    Frame f = frame(View::kSlideTint);
    if (absent(View::kSlideLabel)) {
      text("slide to unlock", f.x, f.y + 27, 20, kWhite, true, f.width);
      return;
    }
    if (!answer(View::kSlideLabel).yes) return;
    if (auto tint = colourOf(View::kSlideTint)) fill(f, *tint, f.height / 2);
    Colour words = colourOf(View::kSlideTextColour).value_or(kWhite);
    text("slide to unlock", f.x, f.y + 27, 20, words, true, f.width);
    if (answer(View::kChevronStyle).number == 0) return;
    Frame c = frame(View::kChevronColour);
    double lift = answer(View::kChevronOffset).number;
    cairo_move_to(cr_, c.x, c.y + lift);
    cairo_line_to(cr_, c.x + c.width, c.y + c.height / 2 + lift);
    cairo_line_to(cr_, c.x, c.y + c.height + lift);
    cairo_close_path(cr_);
    set(colourOf(View::kChevronColour).value_or(kWhite));
    cairo_fill(cr_);
  }

  void camera() {
    Frame f = frame(View::kCameraGrabber);
    fill(Frame{f.x + 2, f.y + 6, f.width - 4, f.height - 10}, kWhite, 3);
    cairo_arc(cr_, f.x + f.width / 2, f.y + f.height / 2 + 1, 4, 0, 2 * M_PI);
    set(layout::kLockWallpaper);
    cairo_fill(cr_);
  }

  void icons() {
    Frame first = frame(View::kIconRadius);
    Frame label = frame(View::kIconLabelText);
    double radius = answer(View::kIconRadius).number;
    for (int i = 0; i < 8; ++i) {
      double dx = (i % 4) * 76.0, dy = (i / 4) * 92.0;
      Frame icon{first.x + dx, first.y + dy, first.width, first.height};
      if (auto background = colourOf(View::kIconBackground)) fill(icon, *background, radius);
      fill(icon, kIconColours[i], radius);
      if (auto border = colourOf(View::kIconBorderColour))
        stroke(icon, *border, answer(View::kIconBorderWidth).number, radius);
      if (answer(View::kIconLabelText).yes)
        text(kIconNames[i], label.x + dx - 8, label.y + dy + 11, 11, kWhite, true,
             label.width + 16);
    }
    Frame badge = frame(View::kBadgeRadius);
    double badgeRadius = answer(View::kBadgeRadius).number;
    // Without a layer background of its own the badge shows the platform's image.
    std::optional<Colour> background = colourOf(View::kBadgeBackground);
    fill(badge, background.value_or(kBadgeRed), background ? badgeRadius : badge.width / 2);
    if (auto border = colourOf(View::kBadgeBorderColour))
      stroke(badge, *border, answer(View::kBadgeBorderWidth).number, badgeRadius);
    text("3", badge.x, badge.y + 17, 14, kWhite, true, badge.width, true);
  }

  void pageDots() {
    Frame f = frame(View::kPageControl);
    for (int i = 0; i < 3; ++i) {
      cairo_arc(cr_, f.x + f.width / 2 + (i - 1) * 14, f.y + f.height / 2, 3.5, 0, 2 * M_PI);
      set(Colour{1, 1, 1, i == 0 ? 1.0 : 0.4});
      cairo_fill(cr_);
    }
  }

  cairo_t* cr_;
  const Scene& scene_;
};

void draw(cairo_t* cr, const Scene& scene, const Caption& caption, const Scene* stock) {
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
  cairo_paint(cr);
  Painter painter(cr, scene);
  if (stock != nullptr) {
    Painter before(cr, *stock);
    before.lockScreen(": stock");
    before.homeScreen(": stock");
    cairo_save(cr);
    cairo_translate(cr, layout::kCompareOffset, 0);
    painter.lockScreen(": with Velmotint");
    painter.homeScreen(": with Velmotint");
    cairo_restore(cr);
  } else {
    painter.lockScreen();
    painter.homeScreen();
  }
  painter.caption(caption);
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string writePicture(const Scene& scene, const Caption& caption, const std::string& file,
                         const Scene* stock) {
  bool png = endsWith(file, ".png");
  if (!png && !endsWith(file, ".svg")) return "the picture's name must end in .png or .svg";
  std::string partial = file + ".partial";
  int height = layout::heightFor(caption.lines.size());
  int width = stock != nullptr ? layout::kCompareWidth : layout::kWidth;
  cairo_surface_t* surface = png ? cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)
                                 : cairo_svg_surface_create(partial.c_str(), width, height);
  cairo_t* cr = cairo_create(surface);
  draw(cr, scene, caption, stock);
  cairo_destroy(cr);
  cairo_status_t status = png ? cairo_surface_write_to_png(surface, partial.c_str())
                              : (cairo_surface_finish(surface), cairo_surface_status(surface));
  cairo_surface_destroy(surface);
  std::error_code ec;
  if (status != CAIRO_STATUS_SUCCESS) {
    std::filesystem::remove(partial, ec);
    return std::string("cannot write ") + file + ": " + cairo_status_to_string(status);
  }
  std::filesystem::rename(partial, file, ec);
  if (ec) return "cannot write " + file + ": " + ec.message();
  return "";
}

}  // namespace springboard
