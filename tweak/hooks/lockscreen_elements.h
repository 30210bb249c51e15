// Lock-screen elements: the date, the charging view, the camera grabber, slide-up, the
// grabbers, the slide-to-unlock text and the lock screen's status bar and fade.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/hook_table.h"

namespace velmotint {

// This group's rows of the hook table.
HookRows lockScreenElementHooks();

// Replacements are named <Class>_<selector>, with ':' written '_'.
namespace replaced {
CGFloat SBFadeAnimationSettings_backlightFadeDuration(id, SEL);
id SBCameraGrabberView__cameraGrabberImage(id, SEL);
void SBSlideUpAppGrabberView_setGrabberImage_(id, SEL, id);
void SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation(id, SEL);
void _UIGlintyStringView_setChevronStyle_(id, SEL, NSInteger);
void _UIGlintyStringView_updateText(id, SEL);
void SBLockScreenDateViewController_setDateHidden_(id, SEL, BOOL);
BOOL SBLockScreenDateViewController_isDateHidden(id, SEL);
BOOL SBLockScreenDateViewController_disablesUpdates(id, SEL);
void SBLockScreenDateViewController_loadView(id, SEL);
void SBLockScreenDateViewController__updateView(id, SEL);
void SBLockScreenDateViewController__backlightChanged(id, SEL);
void SBLockScreenDateViewController__updateFormat(id, SEL);
void SBLockScreenDateViewController__addObservers(id, SEL);
BOOL SBLockScreenBatteryChargingViewController_batteryVisible(id, SEL);
void SBLockScreenBatteryChargingViewController_loadView(id, SEL);
id SBLockScreenBatteryChargingViewController_chargingView(id, SEL);
void SBLockScreenBatteryChargingView_setBatteryVisible_(id, SEL, BOOL);
BOOL SBLockScreenBatteryChargingView_batteryVisible(id, SEL);
void SBLockScreenPreviewView__setupCameraView(id, SEL);
void SBLockScreenPreviewView__setupDateView(id, SEL);
void SBLockScreenPreviewView__setupSlideToUnlockView(id, SEL);
void SBLockScreenView_setTopGrabberHidden_forRequester_(id, SEL, BOOL, id);
void SBLockScreenView_setBottomGrabberHidden_forRequester_(id, SEL, BOOL, id);
void SBLockScreenViewController_startLockScreenFadeInAnimationForSource_(id, SEL, int);
CGFloat SBLockScreenViewController__effectiveVisibleStatusBarAlpha(id, SEL);
BOOL SBLockScreenViewController_showsSpringBoardStatusBar(id, SEL);
BOOL SBLockScreenViewController__shouldShowDate(id, SEL);
NSInteger SBLockScreenViewController_statusBarStyle(id, SEL);
}  // namespace replaced

}  // namespace velmotint
