// The screens as one scene of named views: what each view answered when SpringBoard built
// and drove it (the replaced methods among them), where it sits on its screen and which
// switches drive it. The text report and the picture both render a scene, so the two
// cannot disagree.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace springboard {

struct Colour {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 0;
};

// A view's answer, typed so that each rendering formats or draws it its own way.
struct Answer {
  enum class Kind { kYesNo, kNumber, kSeconds, kCount, kTimes, kColour, kState, kStyle, kAbsent };
  Kind kind = Kind::kState;
  bool yes = false;              // kYesNo; for kState, whether the view is there or acted
  double number = 0;             // kNumber, kSeconds, kCount, kTimes, kStyle
  std::optional<Colour> colour;  // kColour; none when the view has no colour
  std::string text;  // kState: what happened; kStyle: what the number means; kAbsent: why
};

Answer yesNo(bool value);
Answer number(double value);
Answer seconds(double value);
Answer count(long value);
Answer times(long value);
Answer colour(std::optional<Colour> value);
Answer state(bool present, const std::string& text);
Answer style(long value, const std::string& meaning);
// A view the release this process plays does not have; `why` says what it has instead.
Answer absent(const std::string& why);

// Every view of the scene, in the order the report lists them.
enum class View {
  // Lock screen
  kShowsDate,
  kStatusBarShown,
  kStatusBarAlpha,
  kStatusBarStyle,
  kFadeInRuns,
  kFadeDuration,
  kDateHidden,
  kDateLoaded,
  kDateObserving,
  kDateUpdatesDisabled,
  kDateUpdatesRun,
  kPreviewCamera,
  kPreviewDate,
  kPreviewSlideToUnlock,
  kChargingView,
  kChargingBatteryVisible,
  kChargingViewBatteryVisible,
  kCameraGrabber,
  kSlideUpGrabber,
  kSlideUpPrepared,
  kTopGrabberHidden,
  kBottomGrabberHidden,
  kChevronStyle,
  kTextUpdates,
  // Lock-screen tint
  kSlideLabel,
  kSlideTextColour,
  kSlideTextBackground,
  kSlideBlurHidden,
  kSlideBlurAlpha,
  kSlideGlintAlpha,
  kSlideTint,
  kChevronOffset,
  kLabelColour,
  kChevronColour,
  kBannerBackground,
  kBannerGrabber,
  kSlideBackground,
  kTopGrabberBackground,
  kBottomGrabberBackground,
  kVibrantBackground,
  kLegibilityPrimary,
  kLegibilitySecondary,
  kLegibilityShadow,
  kLegibilityContrast,
  kLegibilityBrightness,
  kLegibilityLuminance,
  kLegibilityViewSecondary,
  kLegibilityLabelSecondary,
  // Status-bar tint
  kStatusTextDefault,
  kStatusTextLight,
  kBatteryHalf,
  kBatteryCharging,
  kStyleRequestKept,
  kStyleBackground,
  kStyleForeground,
  kActivityIndicator,
  kActivityIndicatorSets,
  kRefreshTint,
  // Home screen and status-bar items
  kBadgeRadius,
  kBadgeBackground,
  kBadgeBorderWidth,
  kBadgeBorderColour,
  kIconRadius,
  kIconBackground,
  kIconBorderWidth,
  kIconBorderColour,
  kIconLabelText,
  kPageControl,
  kActivityItem,
  kAirplaneItem,
  kTimeItem,
  kBatteryAccessory,
  kCount
};
inline constexpr size_t kViewCount = static_cast<size_t>(View::kCount);

struct Frame {
  double x = 0, y = 0, width = 0, height = 0;
};

struct SceneView {
  View id;
  const char* group;       // the report's heading
  const char* name;        // the report's label
  std::vector<int> flags;  // the ENABLEDn switches that drive it: those its hook row reads
  Frame frame;             // where it sits on its screen (lock or home, 320 x 568 points)
  Answer answer;
};

class Scene {
 public:
  Scene();
  void set(View id, Answer answer);
  const SceneView& operator[](View id) const { return views_[static_cast<size_t>(id)]; }
  const std::vector<SceneView>& views() const { return views_; }

 private:
  std::vector<SceneView> views_;
};

// The frame a view is built at, so that the scene records the frame it was driven with.
Frame frameOf(View id);

}  // namespace springboard
