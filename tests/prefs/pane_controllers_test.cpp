// The pane's three list controllers and the root page's buttons, in the test process.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "standins/preferences/preferences.h"
#include "standins/uikit/uikit.h"
#include "tests/prefs/list_call_log.h"
#include "tests/prefs/pane_fixture.h"
#include "tests/prefs/processes.h"

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
const char* const kSubpages[] = {"velmotintPrefs1ListController", "velmotintPrefs2ListController"};

class PaneControllers : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    ListCallLog::install();
  }
};

TEST_F(PaneControllers, EachPageLoadsItsOwnListOnceWithItselfAsTarget) {
  for (const PageCase& page : kPages) {
    SCOPED_TRACE(page.controller);
    ListCallLog::clear();
    id controller = make(page.controller);
    id first = send<id>(controller, sel::specifiers);
    id second = send<id>(controller, sel::specifiers);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, kSpecifiers.of(controller));
    EXPECT_GT(send<NSUInteger>(first, sel::count), 0u);
    ASSERT_EQ(ListCallLog::names(), std::vector<std::string>{std::string("load ") + page.list});
    EXPECT_EQ(ListCallLog::calls()[0].receiver, controller);
    EXPECT_EQ(ListCallLog::calls()[0].target, controller);
  }
}

TEST_F(PaneControllers, LoadedListOutlivesThePoolItCameFrom) {
  id controller = make("velmotintPrefs1ListController");
  id rows = nil;
  {
    AutoreleasePool pool;
    rows = send<id>(controller, sel::specifiers);
  }
  // Only the controller's reference is left: the list survives the pool, and no more.
  EXPECT_EQ(retainCount(rows), 1u);
  EXPECT_EQ(send<id>(controller, sel::specifiers), rows);
}

TEST_F(PaneControllers, ClearedSpecifiersAreLoadedAgain) {
  id controller = make("velmotintPrefs2ListController");
  send<id>(controller, sel::specifiers);
  release(kSpecifiers.of(controller));
  kSpecifiers.of(controller) = nil;
  EXPECT_NE(send<id>(controller, sel::specifiers), nil);
  EXPECT_EQ(ListCallLog::names(),
            (std::vector<std::string>{"load VelmoSettings2", "load VelmoSettings2"}));
}

TEST_F(PaneControllers, EveryAppearanceOfASubpageClearsAndReloadsBeforeTheSuperclass) {
  for (const char* subpage : kSubpages) {
    for (BOOL animated : {YES, NO}) {
      SCOPED_TRACE(std::string(subpage) + (animated ? " animated" : " not animated"));
      id controller = make(subpage);
      send<id>(controller, sel::specifiers);
      ListCallLog::clear();
      // Shown, left, shown again.
      send<void>(controller, sel::viewWillAppear_, animated);
      send<void>(controller, sel::viewWillAppear_, animated);
      std::string appear = animated ? "viewWillAppear:YES" : "viewWillAppear:NO";
      EXPECT_EQ(ListCallLog::names(), (std::vector<std::string>{"clearCache", "reload", appear,
                                                                "clearCache", "reload", appear}));
      for (const ListCall& call : ListCallLog::calls()) EXPECT_EQ(call.receiver, controller);
    }
  }
}

TEST_F(PaneControllers, RootPageAppearsWithoutClearingItsCache) {
  id controller = make("velmotintPrefsListController");
  send<id>(controller, sel::specifiers);
  ListCallLog::clear();
  send<void>(controller, sel::viewWillAppear_, static_cast<BOOL>(YES));
  EXPECT_EQ(ListCallLog::names(), std::vector<std::string>{"viewWillAppear:YES"});
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
// process on the machine is ended.
TEST_F(PaneControllers, RestartRunsKillallSpringBoardFromPathAndReapsIt) {
  const std::string bin = root() + "/test-bin";
  const std::string log = root() + "/killall.log";
  writeFile("/test-bin/killall", "#!/bin/sh\necho \"$*\" >> '" + log + "'\nexit 1\n");
  ASSERT_EQ(chmod((bin + "/killall").c_str(), 0755), 0);
  setenv("PATH", (bin + ":" + std::getenv("PATH")).c_str(), 1);

  id controller = make("velmotintPrefsListController");
  send<void>(controller, sel_registerName("respring:"), make("NSObject"));
  send<void>(controller, sel_registerName("respring:"), id{nil});
  EXPECT_EQ(readFile(log), "SpringBoard\nSpringBoard\n");
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child was left unreaped";
}

TEST_F(PaneControllers, RestartWithoutKillallOnPathReturns) {
  setenv("PATH", root().c_str(), 1);
  id controller = make("velmotintPrefsListController");
  send<void>(controller, sel_registerName("respring:"), id{nil});
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child was left unreaped";
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
      unsigned int count = 0;
      Method* methods = class_copyMethodList(cls, &count);
      bool found = false;
      for (unsigned int i = 0; i < count; ++i)
        found = found || sel_isEqual(method_getName(methods[i]), sel_registerName(selector));
      free(methods);
      return found;
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
