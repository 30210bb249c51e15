// With its flags off, every replacement hands the platform exactly what it got (receiver,
// selector, arguments) and returns exactly what the platform answers, also while every
// other flag is on. Each hook's probe is its class's own method, with the replacement's
// signature; the slide-to-unlock setup of the preview never reaches the platform at all.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "tests/appearance/appearance_test.h"
#include "tests/support/hook_probe.h"
#include "tweak/feature_flags.h"
#include "tweak/hooks/home_items.h"
#include "tweak/hooks/lockscreen_elements.h"
#include "tweak/hooks/lockscreen_tint.h"
#include "tweak/hooks/statusbar_tint.h"

namespace vm::test {
namespace {

using namespace velmotint::replaced;
using velmotint::HookRow;
using velmotint::MethodKind;

using Flags = std::vector<std::atomic<bool>*>;

struct Hook {
  const HookRow* row;
  Flags flags;  // the flags the replacement reads
  void (*install)();
  void (*check)(int pass);  // null: the replacement never calls its saved implementation
};

// Sends the hooked message with the pass's arguments and expects the probe to have run once
// with the same receiver, selector and arguments, and its answer to come back unchanged.
// An initialiser is sent to a fresh allocation, a class method to the class.
template <typename P>
void expectForwarded(int pass) {
  const HookRow& row = P::row();
  Class cls = objc_getClass(row.className);
  bool classMethod = row.kind == MethodKind::Class;
  id receiver = classMethod ? vm::asId(cls) : vm::send<id>(cls, vm::sel::alloc);
  if (!classMethod && std::strncmp(row.selector, "init", 4) != 0)
    receiver = vm::send<id>(receiver, vm::sel::init);
  const typename P::Arguments args = P::arguments(pass);
  P::reset();
  P::answer = sample<typename P::Answer>(pass, 5);
  auto call = [&](auto... a) { return P::send(receiver, a...); };
  if constexpr (std::is_void_v<decltype(std::apply(call, args))>) {
    std::apply(call, args);
  } else {
    EXPECT_EQ(std::apply(call, args), P::answer);
  }
  EXPECT_EQ(P::calls, 1);
  EXPECT_EQ(P::lastSelf, receiver);
  EXPECT_EQ(P::lastCmd, P::selector());
  EXPECT_TRUE(P::lastArgs == args);
  if (!classMethod) vm::release(receiver);
}

template <auto Replacement>
Hook forwards(Flags flags) {
  using P = HookProbe<Replacement>;
  return Hook{&P::row(), std::move(flags), &P::install, &expectForwarded<P>};
}

template <auto Replacement>
Hook neverForwards() {
  using P = HookProbe<Replacement>;
  return Hook{&P::row(), {}, &P::install, nullptr};
}

// The longest replacement name, shortened for the list below.
constexpr auto batteryColour =
    &UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_;

std::vector<Hook> everyHook() {
  return {
      forwards<&SBIconBadgeView_setFrame_>({&ENABLED24}),
      forwards<&SBBannerContextView__layoutGrabber>({&ENABLED2}),
      forwards<&SBBannerContextView__defaultGrabberColor>({&ENABLED2}),
      forwards<&SBFadeAnimationSettings_backlightFadeDuration>({&ENABLED23}),
      forwards<&SBCameraGrabberView__cameraGrabberImage>({&ENABLED11}),
      forwards<&SBSlideUpAppGrabberView_setGrabberImage_>({&ENABLED11}),
      forwards<&SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation>({&ENABLED22}),
      forwards<&SBIconImageView_setFrame_>({&ENABLED21}),
      forwards<&_UIGlintyStringView_setBlurHidden_forRequester_>({&ENABLED2}),
      forwards<&_UIGlintyStringView__chevronVerticalOffset>({&ENABLED2}),
      forwards<&_UIGlintyStringView_setLabel_>({&ENABLED2}),
      forwards<&_UIGlintyStringView_layoutSubviews>({&ENABLED2}),
      forwards<&_UIGlintyStringView_setChevronStyle_>({&ENABLED18}),
      forwards<&_UIGlintyStringView_updateText>({&ENABLED18}),
      forwards<&UILabel_setColor_>({&ENABLED2}),
      forwards<&SBLockScreenDateViewController_setDateHidden_>({&ENABLED16}),
      forwards<&SBLockScreenDateViewController_isDateHidden>({&ENABLED16}),
      forwards<&SBLockScreenDateViewController_disablesUpdates>({&ENABLED16}),
      forwards<&SBLockScreenDateViewController_loadView>({&ENABLED16}),
      forwards<&SBLockScreenDateViewController__updateView>({&ENABLED16}),
      forwards<&SBLockScreenDateViewController__backlightChanged>({&ENABLED16}),
      forwards<&SBLockScreenDateViewController__updateFormat>({&ENABLED16}),
      forwards<&SBLockScreenDateViewController__addObservers>({&ENABLED16}),
      forwards<&SBLockScreenBatteryChargingViewController_batteryVisible>({&ENABLED14}),
      forwards<&SBLockScreenBatteryChargingViewController_loadView>({&ENABLED17}),
      forwards<&SBLockScreenBatteryChargingViewController_chargingView>({&ENABLED17}),
      forwards<&SBLockScreenBatteryChargingView_setBatteryVisible_>({&ENABLED14}),
      forwards<&SBLockScreenBatteryChargingView_batteryVisible>({&ENABLED14}),
      forwards<&_UILegibilitySettingsProvider_hasContrast>({&ENABLED2}),
      forwards<&_UILegibilitySettingsProvider_accumulatedBrightness>({&ENABLED2}),
      forwards<&_UILegibilitySettingsProvider_accumulatedLuminance>({&ENABLED2}),
      forwards<&SBLockScreenPreviewView__setupCameraView>({&ENABLED11}),
      forwards<&SBLockScreenPreviewView__setupDateView>({&ENABLED16}),
      neverForwards<&SBLockScreenPreviewView__setupSlideToUnlockView>(),
      forwards<&SBStatusBarStateAggregator__updateActivityItem>({&ENABLED15}),
      forwards<&SBStatusBarStateAggregator__updateAirplaneMode>({&ENABLED13}),
      forwards<&SBStatusBarStateAggregator__noteAirplaneModeChanged>({&ENABLED13}),
      forwards<&SBStatusBarStateAggregator__updateTimeItems>({&ENABLED12}),
      forwards<&SBLockScreenView__updateSlideToUnlockBackground>({&ENABLED2}),
      forwards<&SBLockScreenView__updateBottomGrabberBackground>({&ENABLED2}),
      forwards<&SBLockScreenView__updateTopGrabberBackground>({&ENABLED2}),
      forwards<&SBLockScreenView__updateVibrantViewBackgrounds>({&ENABLED2}),
      forwards<&SBLockScreenView_setTopGrabberHidden_forRequester_>({&ENABLED10}),
      forwards<&SBLockScreenView_setBottomGrabberHidden_forRequester_>({&ENABLED9}),
      forwards<&SBIconLabelImageParameters_text>({&ENABLED8}),
      forwards<&SBIconListPageControl_initWithFrame_>({&ENABLED7}),
      forwards<&UIStatusBarBatteryItemView__needsAccessoryImage>({&ENABLED3}),
      forwards<&SBLockScreenViewController_startLockScreenFadeInAnimationForSource_>({&ENABLED23}),
      forwards<&SBLockScreenViewController__effectiveVisibleStatusBarAlpha>({&ENABLED19}),
      forwards<&SBLockScreenViewController_showsSpringBoardStatusBar>({&ENABLED19}),
      forwards<&SBLockScreenViewController__shouldShowDate>({&ENABLED6}),
      forwards<&SBLockScreenViewController_statusBarStyle>({&ENABLED4}),
      forwards<&SBChevronView_setColor_>({&ENABLED2}),
      forwards<&_UILegibilityView_usesSecondaryColor>({&ENABLED2}),
      forwards<&_UILegibilityLabel_usesSecondaryColor>({&ENABLED2}),
      forwards<&_UILegibilitySettings_shadowAlpha>({&ENABLED2}),
      forwards<&_UILegibilitySettings_setPrimaryColor_>({&ENABLED2}),
      forwards<&_UILegibilitySettings_setSecondaryColor_>({&ENABLED2}),
      forwards<&UIActivityIndicatorView_setColor_>({&ENABLED1, &ENABLED2}),
      forwards<batteryColour>({&ENABLED1}),
      forwards<&UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_>(
          {&ENABLED1, &ENABLED2}),
      forwards<&_UIRefreshControlModernContentView_setTintColor_>({&ENABLED1}),
      forwards<&UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_>(
          {&ENABLED1, &ENABLED2}),
  };
}

class ForwardingTest : public AppearanceTest {};

TEST_F(ForwardingTest, EveryReplacementHandsThePlatformExactlyWhatItGotWhileItsFlagsAreOff) {
  const std::vector<Hook> hooks = everyHook();
  std::set<int> numbers;
  for (const Hook& hook : hooks) {
    numbers.insert(hook.row->number);
    hook.install();
  }
  ASSERT_FALSE(HasFailure());
  EXPECT_EQ(hooks.size(), velmotint::kHookCount);
  EXPECT_EQ(numbers.size(), velmotint::kHookCount) << "every hook is checked once";
  storeUserColours();
  installTweak();
  for (const Hook& hook : hooks) {
    if (hook.check == nullptr) continue;
    SCOPED_TRACE(std::to_string(hook.row->number) + " " + hook.row->className + " " +
                 hook.row->selector);
    setOnlyFlags({});
    hook.check(0);
    // Every other hook's flags on: none of them reaches this one.
    for (const auto& entry : velmotint::kFeatureFlags) entry.flag->store(true);
    for (std::atomic<bool>* flag : hook.flags) flag->store(false);
    hook.check(1);
  }
}

}  // namespace
}  // namespace vm::test
