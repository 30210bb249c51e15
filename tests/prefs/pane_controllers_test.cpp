// The pane's three list controllers and the root page's buttons, in the test process.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "standins/preferences/preferences.h"
#include "standins/uikit/uikit.h"
#include "tests/prefs/list_call_log.h"
#include "tests/prefs/pane_fixture.h"
#include "tests/support/objc_helpers.h"

namespace vm::test {
namespace {

const IvarRef<id> kSpecifiers{"_specifiers"};

struct PageCase {
  const char* controller;
  const char* list;
};
const PageCase kPages[] = {{"velmotintPrefsListController", "main"},
                           {"velmotintPrefs1ListController", "VelmoSettings"},
                           {"velmotintPrefs2ListController", "VelmoSettings2"}};

class PaneControllers : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    ListCallLog::install();
  }
};

TEST_F(PaneControllers, EachPageLoadsItsOwnListOnceWithItselfAsTargetAndAgainOnceCleared) {
  for (const PageCase& page : kPages) {
    SCOPED_TRACE(page.controller);
    ListCallLog::clear();
    id controller = make(page.controller);
    id first = nil;
    {
      AutoreleasePool pool;
      first = send<id>(controller, sel::specifiers);
    }
    // Only the controller's reference is left: the list survives the pool, and no more.
    EXPECT_EQ(retainCount(first), 1u);
    EXPECT_EQ(send<id>(controller, sel::specifiers), first);
    EXPECT_EQ(first, kSpecifiers.of(controller));
    EXPECT_GT(send<NSUInteger>(first, sel::count), 0u);
    const std::string load = std::string("load ") + page.list;
    ASSERT_EQ(ListCallLog::names(), std::vector<std::string>{load});
    EXPECT_EQ(ListCallLog::calls()[0].receiver, controller);
    EXPECT_EQ(ListCallLog::calls()[0].target, controller);

    release(kSpecifiers.of(controller));
    kSpecifiers.of(controller) = nil;
    EXPECT_NE(send<id>(controller, sel::specifiers), nil);
    EXPECT_EQ(ListCallLog::names(), (std::vector<std::string>{load, load}));
  }
}

// A subpage clears and reloads before the superclass's appearance, every time it is shown;
// the root page only appears.
TEST_F(PaneControllers, EveryAppearanceOfASubpageClearsAndReloadsBeforeTheSuperclass) {
  for (const PageCase& page : kPages) {
    for (BOOL animated : {YES, NO}) {
      SCOPED_TRACE(std::string(page.controller) + (animated ? " animated" : " not animated"));
      id controller = make(page.controller);
      send<id>(controller, sel::specifiers);
      ListCallLog::clear();
      // Shown, left, shown again.
      send<void>(controller, sel::viewWillAppear_, animated);
      send<void>(controller, sel::viewWillAppear_, animated);
      std::vector<std::string> once{animated ? "viewWillAppear:YES" : "viewWillAppear:NO"};
      if (std::string(page.list) != "main") once.insert(once.begin(), {"clearCache", "reload"});
      std::vector<std::string> twice = once;
      twice.insert(twice.end(), once.begin(), once.end());
      EXPECT_EQ(ListCallLog::names(), twice);
      for (const ListCall& call : ListCallLog::calls()) EXPECT_EQ(call.receiver, controller);
    }
  }
}

id rowWithKey(id controller, const char* key) {
  id rows = send<id>(controller, sel::specifiers);
  for (NSUInteger i = 0; i < send<NSUInteger>(rows, sel::count); ++i) {
    id row = send<id>(rows, sel::objectAtIndex_, i);
    if (preferences::stringProperty(row, "key") == key) return row;
  }
  return nil;
}

TEST_F(PaneControllers, SubpageShowsWhatChangedWhileItWasAway) {
  writeSettings("<key>ENABLED2</key><false/>");
  id controller = make("velmotintPrefs1ListController");
  send<void>(controller, sel::viewWillAppear_, static_cast<BOOL>(YES));
  id row = rowWithKey(controller, "ENABLED2");
  ASSERT_NE(row, nil);
  EXPECT_EQ(send<BOOL>(preferences::shownValue(controller, row), sel::boolValue), NO);

  writeSettings("<key>ENABLED2</key><true/>");
  // Until it appears again the page shows what it read.
  EXPECT_EQ(send<BOOL>(preferences::shownValue(controller, row), sel::boolValue), NO);
  send<void>(controller, sel::viewWillAppear_, static_cast<BOOL>(YES));
  EXPECT_EQ(send<BOOL>(preferences::shownValue(controller, row), sel::boolValue), YES);
}

// The restart button runs whatever `killall` comes first on PATH. Here that is a script
// that records its arguments and fails as a killall that found nothing does, so no
// process on the machine is ended; without one on PATH the button just returns.
TEST_F(PaneControllers, RestartRunsKillallSpringBoardFromPathAndReapsIt) {
  const std::string log = root() + "/killall.log";
  writeFile("/test-bin/killall", "#!/bin/sh\necho \"$*\" >> '" + log + "'\nexit 1\n");
  ASSERT_EQ(chmod(path("/test-bin/killall").c_str(), 0755), 0);
  const std::string systemPath = std::getenv("PATH");
  id controller = make("velmotintPrefsListController");
  for (const std::string& searched : {path("/test-bin") + ":" + systemPath, root()}) {
    SCOPED_TRACE(searched);
    setenv("PATH", searched.c_str(), 1);
    send<void>(controller, sel_registerName("respring:"), make("NSObject"));
    send<void>(controller, sel_registerName("respring:"), id{nil});
    EXPECT_EQ(readFile(log), "SpringBoard\nSpringBoard\n");
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child was left unreaped";
  }
}

TEST_F(PaneControllers, ProfileButtonOpensTheAuthorsPageThroughTheApplication) {
  id controller = make("velmotintPrefsListController");
  send<void>(controller, sel_registerName("tanvorkTwitter:"), id{nil});
  EXPECT_EQ(uikit::lastOpenedURLString(), "https://twitter.com/tanvork");
  id application = send<id>(cls::UIApplication.get(), sel::sharedApplication);
  EXPECT_EQ(send<NSInteger>(application, sel_registerName("openedURLCount")), 1);
}

TEST_F(PaneControllers, OnlyTheRootPageCarriesTheButtonsAndOnlySubpagesAppearTheirOwnWay) {
  struct Expect {
    const char* controller;
    bool buttons;
    bool ownAppearance;
  };
  for (const Expect& e : {Expect{"velmotintPrefsListController", true, false},
                          Expect{"velmotintPrefs1ListController", false, true},
                          Expect{"velmotintPrefs2ListController", false, true}}) {
    SCOPED_TRACE(e.controller);
    Class cls = objc_getClass(e.controller);
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(class_getSuperclass(cls), cls::PSListController.get());
    EXPECT_EQ(class_getInstanceSize(cls), class_getInstanceSize(cls::PSListController.get()));
    auto own = [cls](const char* selector) {
      return ownMethod(cls, sel_registerName(selector)) != nullptr;
    };
    EXPECT_EQ(own("respring:"), e.buttons);
    EXPECT_EQ(own("tanvorkTwitter:"), e.buttons);
    EXPECT_EQ(own("viewWillAppear:"), e.ownAppearance);
  }
}

TEST_F(PaneControllers, BundleExportsTheColourFunctionsAndAMainThatReturnsZero) {
  void* bundle = dlopen(VM_BUILD_DIR
                        "/prefs/stage/Library/PreferenceBundles/velmotintPrefs.bundle/"
                        "velmotintPrefs",
                        RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(bundle, nullptr);
  for (const char* symbol :
       {"_Z12colorFromHexP11objc_object", "_Z24colorFromDefaultsWithKeyP11objc_objectS0_S0_",
        "_Z14convertFromHexNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE",
        "_Z8hextodecNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEERSt6vectorIhSaIhEE"}) {
    EXPECT_NE(dlsym(bundle, symbol), nullptr) << symbol;
  }
  auto bundleMain = reinterpret_cast<int (*)()>(dlsym(bundle, "main"));
  ASSERT_NE(bundleMain, nullptr);
  EXPECT_EQ(bundleMain(), 0);
  dlclose(bundle);
}

}  // namespace
}  // namespace vm::test
