// The root page and the two sub-pages. Each loads its specifier list once and keeps it in
// the inherited _specifiers; the sub-pages read their rows' values afresh whenever they
// appear, because the settings may have changed while they were away.
#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "bridge/selectors.h"
#include "prefs/pane.h"

namespace velmotint::prefs {
namespace {

inline constexpr char kRootList[] = "main";
inline constexpr char kFirstSubpageList[] = "VelmoSettings";
inline constexpr char kSecondSubpageList[] = "VelmoSettings2";

const vm::IvarRef<id> kSpecifiers{"_specifiers"};

// The list stays loaded until something clears _specifiers; the controller owns it.
template <const char* ListName>
id specifiers(id self, SEL) {
  id& cached = kSpecifiers.of(self);
  if (cached != nil) return cached;
  id loaded = vm::send<id>(self, vm::sel::loadSpecifiersFromPlistName_target_,
                           vm::nsString(ListName), self);
  cached = vm::retain(loaded);
  return cached;
}

template <const vm::ClassRef* Self>
void viewWillAppear(id self, SEL, BOOL animated) {
  vm::send<void>(self, vm::sel::clearCache);
  vm::send<void>(self, vm::sel::reload);
  vm::sendSuper<void>(self, Self->get(), vm::sel::viewWillAppear_, animated);
}

}  // namespace

void registerListControllers() {
  vm::ClassBuilder(RootController.name(), vm::cls::PSListController.name())
      .method("specifiers", specifiers<kRootList>)
      .method("respring:", respring)
      .method("tanvorkTwitter:", tanvorkTwitter)
      .build();

  vm::ClassBuilder(FirstSubpageController.name(), vm::cls::PSListController.name())
      .method("specifiers", specifiers<kFirstSubpageList>)
      .method("viewWillAppear:", viewWillAppear<&FirstSubpageController>)
      .build();

  vm::ClassBuilder(SecondSubpageController.name(), vm::cls::PSListController.name())
      .method("specifiers", specifiers<kSecondSubpageList>)
      .method("viewWillAppear:", viewWillAppear<&SecondSubpageController>)
      .build();
}

}  // namespace velmotint::prefs
