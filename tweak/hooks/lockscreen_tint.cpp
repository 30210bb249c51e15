#include "bridge/objc_send.h"
#include "bridge/selectors.h"
#include "tweak/feature_flags.h"
#include "tweak/hooks/replacements.h"
#include "tweak/hooks/user_colour.h"
#include "tweak/saved_slot.h"

namespace velmotint {

namespace {

// The subview at `index` of the glint view's effect view, fetched anew, or nil when the
// effect view or that many subviews are missing: objectAtIndex: past the end would raise
// inside the host.
id effectSubview(id glintView, NSUInteger index) {
  id subviews = vm::send<id>(vm::send<id>(glintView, vm::sel::effectView), vm::sel::subviews);
  if (index >= vm::send<NSUInteger>(subviews, vm::sel::count)) return nil;
  return vm::send<id>(subviews, vm::sel::objectAtIndex_, index);
}

}  // namespace

// Banner grabber: cleared, then laid out by the platform in any case.
void replaced::SBBannerContextView_p_layoutGrabber(id self, SEL cmd) {
  if (!on(ENABLED2)) return original<&SBBannerContextView_p_layoutGrabber>(self, cmd);
  return flagOn([=] {
    vm::send<void>(self, vm::sel::setBackgroundColor_, clearColour());
    original<&SBBannerContextView_p_layoutGrabber>(self, cmd);
  });
}

// The label reaches the view only as a subview, never through the platform's setter. A nil
// label has nothing to colour or add: UIKit is not asked to add a nil subview, and no
// colour is looked up for it.
void replaced::p_UIGlintyStringView_setLabel_(id self, SEL cmd, id label) {
  if (!on(ENABLED2)) return original<&p_UIGlintyStringView_setLabel_>(self, cmd, label);
  if (label == nil) return;
  return flagOn([=] {
    vm::send<void>(label, vm::sel::setTextColor_, userColour(kColour6));
    vm::send<void>(label, vm::sel::setBackgroundColor_, clearColour());
    vm::send<void>(self, vm::sel::addSubview_, label);
  });
}

// Blur and glint made transparent, the tint layer in the user's colour; the platform's
// own layout does not run. Each step works only on a subview that exists.
void replaced::p_UIGlintyStringView_layoutSubviews(id self, SEL cmd) {
  if (!on(ENABLED2)) return original<&p_UIGlintyStringView_layoutSubviews>(self, cmd);
  return flagOn([=] {
    vm::send<void>(effectSubview(self, 0), vm::sel::setAlpha_, CGFloat{0.0});
    vm::send<void>(effectSubview(self, 1), vm::sel::setAlpha_, CGFloat{0.0});
    id tint = effectSubview(self, 2);
    if (tint != nil) vm::send<void>(tint, vm::sel::setBackgroundColor_, userColour(kColour5));
  });
}

}  // namespace velmotint
