#include "tweak/feature_flags.h"
#include "tweak/hooks/replacements.h"
#include "tweak/saved_slot.h"

namespace velmotint {

// Backlight fade. The single-precision 0.1 is what the device's float constant gives; the
// 64-bit build widens it (0.10000000149011612), it is not the double nearest 0.1.
CGFloat replaced::SBFadeAnimationSettings_backlightFadeDuration(id self, SEL cmd) {
  if (on(ENABLED23)) return static_cast<CGFloat>(0.1f);
  return original<&SBFadeAnimationSettings_backlightFadeDuration>(self, cmd);
}

// The preview never sets up its slide-to-unlock view, whatever the flags hold; the saved
// slot is filled at install but never called.
void replaced::SBLockScreenPreviewView_p_setupSlideToUnlockView(id, SEL) {}

}  // namespace velmotint
