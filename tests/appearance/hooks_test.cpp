// Every hook against a recording probe in place of its class's own method, with the
// replacement's signature. With its flags off each replacement hands the platform exactly
// what it got (receiver, selector, arguments) and returns exactly what the platform answers,
// also while every other flag is on; under its flag it skips, answers, tints or forces what
// the row below says.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "linux_only/device_path.h"
#include "tests/support/hook_probe.h"
#include "tests/tweak/springboard_process.h"
#include "tweak/feature_flags.h"
#include "tweak/hooks/replacements.h"

namespace vm::test {
namespace {

using namespace velmotint::replaced;

// The colour handed on is replaced by the user's colour under `key` before the platform sees
// it, and by the fallback while there is no settings file.
template <auto Replacement>
HookCase tints(const char* key) {
  using Probe = HookProbe<Replacement>;
  return underFlag<Replacement>(&ENABLED2, [key](id receiver) {
    Probe::send(receiver, SpringBoardProcessTest::someColour());
    EXPECT_EQ(componentsOf(std::get<0>(Probe::lastArgs)), userRgba(key));
    const std::string file = vm::hostPath(kSettingsFile);
    std::filesystem::rename(file, file + ".away");
    Probe::send(receiver, SpringBoardProcessTest::someColour());
    EXPECT_EQ(componentsOf(std::get<0>(Probe::lastArgs)), fallbackRgba()) << "no settings file";
    std::filesystem::rename(file + ".away", file);
  });
}

// The longest replacement name, shortened for the list below.
constexpr auto batteryColour =
    &UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_;

const std::vector<HookCase>& everyHook() {
  static const std::vector<HookCase> all{
      forwards<&SBIconBadgeView_setFrame_>({&ENABLED24}),
      forwards<&SBBannerContextView__layoutGrabber>({&ENABLED2}),
      forwards<&SBBannerContextView__defaultGrabberColor>({&ENABLED2}),
      // The single-precision 0.1, widened: not the double nearest 0.1.
      answers<&SBFadeAnimationSettings_backlightFadeDuration>(&ENABLED23,
                                                              CGFloat{0.10000000149011612}),
      answers<&SBCameraGrabberView__cameraGrabberImage>(&ENABLED11, id{nil}),
      skips<&SBSlideUpAppGrabberView_setGrabberImage_>(&ENABLED11),
      skips<&SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation>(&ENABLED22),
      forwards<&SBIconImageView_setFrame_>({&ENABLED21}),
      forcesHidden<&_UIGlintyStringView_setBlurHidden_forRequester_>(&ENABLED2),
      answers<&_UIGlintyStringView__chevronVerticalOffset>(&ENABLED2, CGFloat{0}),
      forwards<&_UIGlintyStringView_setLabel_>({&ENABLED2}),
      forwards<&_UIGlintyStringView_layoutSubviews>({&ENABLED2}),
      skips<&_UIGlintyStringView_setChevronStyle_>(&ENABLED18),
      skips<&_UIGlintyStringView_updateText>(&ENABLED18),
      tints<&UILabel_setColor_>("vmColor6"),
      skips<&SBLockScreenDateViewController_setDateHidden_>(&ENABLED16),
      answers<&SBLockScreenDateViewController_isDateHidden>(&ENABLED16, BOOL{YES}),
      answers<&SBLockScreenDateViewController_disablesUpdates>(&ENABLED16, BOOL{YES}),
      skips<&SBLockScreenDateViewController_loadView>(&ENABLED16),
      skips<&SBLockScreenDateViewController__updateView>(&ENABLED16),
      skips<&SBLockScreenDateViewController__backlightChanged>(&ENABLED16),
      skips<&SBLockScreenDateViewController__updateFormat>(&ENABLED16),
      skips<&SBLockScreenDateViewController__addObservers>(&ENABLED16),
      answers<&SBLockScreenBatteryChargingViewController_batteryVisible>(&ENABLED14, BOOL{NO}),
      skips<&SBLockScreenBatteryChargingViewController_loadView>(&ENABLED17),
      answers<&SBLockScreenBatteryChargingViewController_chargingView>(&ENABLED17, id{nil}),
      skips<&SBLockScreenBatteryChargingView_setBatteryVisible_>(&ENABLED14),
      answers<&SBLockScreenBatteryChargingView_batteryVisible>(&ENABLED14, BOOL{NO}),
      answers<&_UILegibilitySettingsProvider_hasContrast>(&ENABLED2, BOOL{YES}),
      answers<&_UILegibilitySettingsProvider_accumulatedBrightness>(&ENABLED2, CGFloat{1}),
      answers<&_UILegibilitySettingsProvider_accumulatedLuminance>(&ENABLED2, CGFloat{1}),
      skips<&SBLockScreenPreviewView__setupCameraView>(&ENABLED11),
      skips<&SBLockScreenPreviewView__setupDateView>(&ENABLED16),
      neverForwards<&SBLockScreenPreviewView__setupSlideToUnlockView>(),
      skips<&SBStatusBarStateAggregator__updateActivityItem>(&ENABLED15),
      skips<&SBStatusBarStateAggregator__updateAirplaneMode>(&ENABLED13),
      skips<&SBStatusBarStateAggregator__noteAirplaneModeChanged>(&ENABLED13),
      skips<&SBStatusBarStateAggregator__updateTimeItems>(&ENABLED12),
      skips<&SBLockScreenView__updateSlideToUnlockBackground>(&ENABLED2),
      skips<&SBLockScreenView__updateBottomGrabberBackground>(&ENABLED2),
      skips<&SBLockScreenView__updateTopGrabberBackground>(&ENABLED2),
      skips<&SBLockScreenView__updateVibrantViewBackgrounds>(&ENABLED2),
      forcesHidden<&SBLockScreenView_setTopGrabberHidden_forRequester_>(&ENABLED10),
      forcesHidden<&SBLockScreenView_setBottomGrabberHidden_forRequester_>(&ENABLED9),
      answers<&SBIconLabelImageParameters_text>(&ENABLED8, id{nil}),
      forwards<&SBIconListPageControl_initWithFrame_>({&ENABLED7}),
      answers<&UIStatusBarBatteryItemView__needsAccessoryImage>(&ENABLED3, BOOL{YES}),
      skips<&SBLockScreenViewController_startLockScreenFadeInAnimationForSource_>(&ENABLED23),
      answers<&SBLockScreenViewController__effectiveVisibleStatusBarAlpha>(&ENABLED19,
                                                                           CGFloat{0.0}),
      answers<&SBLockScreenViewController_showsSpringBoardStatusBar>(&ENABLED19, BOOL{NO}),
      answers<&SBLockScreenViewController__shouldShowDate>(&ENABLED6, BOOL{NO}),
      answers<&SBLockScreenViewController_statusBarStyle>(&ENABLED4, NSInteger{0}),
      tints<&SBChevronView_setColor_>("vmColor5"),
      answers<&_UILegibilityView_usesSecondaryColor>(&ENABLED2, BOOL{YES}),
      answers<&_UILegibilityLabel_usesSecondaryColor>(&ENABLED2, BOOL{YES}),
      answers<&_UILegibilitySettings_shadowAlpha>(&ENABLED2, CGFloat{0}),
      tints<&_UILegibilitySettings_setPrimaryColor_>("vmColor5"),
      tints<&_UILegibilitySettings_setSecondaryColor_>("vmColor6"),
      forwards<&UIActivityIndicatorView_setColor_>({&ENABLED1, &ENABLED2}),
      forwards<batteryColour>({&ENABLED1}),
      forwards<&UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_>(
          {&ENABLED1, &ENABLED2}),
      forwards<&_UIRefreshControlModernContentView_setTintColor_>({&ENABLED1}),
      forwards<&UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_>(
          {&ENABLED1, &ENABLED2}),
  };
  return all;
}

class HookTest : public SpringBoardProcessTest {
 protected:
  void SetUp() override {
    SpringBoardProcessTest::SetUp();
    for (const HookCase& hook : everyHook()) hook.install();
    ASSERT_FALSE(HasFailure());
    storeUserColours();
    installTweak();
  }
};

TEST_F(HookTest, EveryReplacementHandsThePlatformExactlyWhatItGotWhileItsFlagsAreOff) {
  std::set<int> numbers;
  for (const HookCase& hook : everyHook()) numbers.insert(hook.row->number);
  EXPECT_EQ(everyHook().size(), velmotint::kHookCount);
  EXPECT_EQ(numbers.size(), velmotint::kHookCount) << "every hook is checked once";
  for (const HookCase& hook : everyHook()) {
    if (hook.forwarded == nullptr) continue;
    SCOPED_TRACE(std::to_string(hook.row->number) + " " + hook.row->className + " " +
                 hook.row->selector);
    setOnlyFlags({});
    hook.forwarded(0);
    // Every other hook's flags on: none of them reaches this one.
    setAllFlagsBut(hook.flags);
    hook.forwarded(1);
  }
}

TEST_F(HookTest, UnderItsFlagEachReplacementSkipsAnswersTintsOrForcesByItself) {
  for (const HookCase& hook : everyHook()) {
    if (!hook.check) continue;
    SCOPED_TRACE(std::string(hook.row->className) + " " + hook.row->selector);
    hook.check(make(hook.row->className));
  }
}

}  // namespace
}  // namespace vm::test
