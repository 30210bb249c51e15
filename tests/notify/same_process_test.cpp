// Posts and observers within one process: the poster hears its own posts, on the
// centre's own thread, once per registration, and only for the names it observes.
#include <gtest/gtest.h>

#include <atomic>

#include "tests/notify/notification_log.h"
#include "tests/support/device_root.h"

namespace vm::test {
namespace {

class SameProcess : public DeviceRootTest {
 protected:
  // Posted after the names under test: when it has been heard, every earlier post to this
  // process has been delivered, since names are delivered in the order they arrive.
  void postFenceAndWait() {
    post(CFSTR("test.fence"));
    ASSERT_TRUE(fence_.waitFor("test.fence", ++fences_));
  }
  void SetUp() override {
    DeviceRootTest::SetUp();
    fence_.observe(CFSTR("test.fence"));
  }

  NotificationLog fence_;
  int fences_ = 0;
};

TEST_F(SameProcess, PostReachesObserverOnTheCentresThread) {
  NotificationLog log;
  log.observe(CFSTR("com.tanvork.velmotint/settingschanged"));
  int object = 0;
  post(CFSTR("com.tanvork.velmotint/settingschanged"));
  CFNotificationCenterPostNotification(darwin(), CFSTR("com.tanvork.velmotint/settingschanged"),
                                       &object, nullptr, false);

  ASSERT_TRUE(log.waitFor("com.tanvork.velmotint/settingschanged"));
  Heard first = log.heard().front();
  EXPECT_NE(first.center, nullptr);  // the centre is one value
  EXPECT_EQ(first.center, darwin());
  EXPECT_EQ(first.nameRef, CFSTR("com.tanvork.velmotint/settingschanged"));
  EXPECT_EQ(first.object, nullptr);  // no payload crosses, whatever the poster passed
  EXPECT_EQ(first.userInfo, nullptr);
  EXPECT_NE(first.thread, std::this_thread::get_id());
}

// One delivery per registration, and only of the names its observer observes.
TEST_F(SameProcess, EachRegistrationHearsOnlyItsNameAndOnce) {
  NotificationLog twice, other, second;
  twice.observe(CFSTR("test.first"));
  twice.observe(CFSTR("test.first"));
  other.observe(CFSTR("test.first"));  // a different observer is a registration of its own
  second.observe(CFSTR("test.second"));

  post(CFSTR("test.first"));
  postFenceAndWait();
  EXPECT_EQ(twice.count("test.first"), 1);
  EXPECT_EQ(other.count("test.first"), 1);
  EXPECT_EQ(second.heard().size(), 0u);

  post(CFSTR("test.second"));
  postFenceAndWait();
  EXPECT_EQ(twice.heard().size(), 1u);
  EXPECT_EQ(second.count("test.second"), 1);
  EXPECT_EQ(second.heard().size(), 1u);
}

// Holds the delivery thread inside a callback until released, so that posts made
// meanwhile are all waiting when the next round starts.
struct Gate {
  std::mutex lock;
  std::condition_variable changed;
  bool entered = false;
  bool open = false;

  static void hold(CFNotificationCenterRef, void* observer, CFNotificationName, const void*,
                   CFDictionaryRef) {
    auto* gate = static_cast<Gate*>(observer);
    std::unique_lock<std::mutex> guard(gate->lock);
    gate->entered = true;
    gate->changed.notify_all();
    gate->changed.wait_for(guard, kDeliveryTimeout, [gate] { return gate->open; });
  }
};

TEST_F(SameProcess, PostsWaitingForTheSameRoundAreDeliveredOnce) {
  Gate gate;
  NotificationLog log;
  CFNotificationCenterAddObserver(darwin(), &gate, Gate::hold, CFSTR("test.gate"), nullptr,
                                  CFNotificationSuspensionBehaviorCoalesce);
  log.observe(CFSTR("test.burst"));
  log.observe(CFSTR("test.other"));

  post(CFSTR("test.gate"));
  {
    std::unique_lock<std::mutex> guard(gate.lock);
    ASSERT_TRUE(gate.changed.wait_for(guard, kDeliveryTimeout, [&] { return gate.entered; }));
  }
  constexpr int kPosts = 5;
  for (int i = 0; i < kPosts; ++i) post(CFSTR("test.burst"));
  post(CFSTR("test.other"));
  {
    std::lock_guard<std::mutex> guard(gate.lock);
    gate.open = true;
  }
  gate.changed.notify_all();
  postFenceAndWait();

  EXPECT_EQ(log.count("test.burst"), 1);
  EXPECT_EQ(log.count("test.other"), 1);  // coalescing is per name
  CFNotificationCenterRemoveEveryObserver(darwin(), &gate);
}

TEST_F(SameProcess, RemovedRegistrationsHearNothing) {
  struct Case {
    const char* what;
    void (*remove)(const void* observer);
    int expectedKept;  // posts of "test.kept" still heard
  };
  const Case cases[] = {
      {"by name",
       [](const void* o) {
         CFNotificationCenterRemoveObserver(darwin(), o, CFSTR("test.removed"), nullptr);
       },
       1},
      {"all names of the observer",
       [](const void* o) { CFNotificationCenterRemoveObserver(darwin(), o, nullptr, nullptr); }, 0},
      {"every observer call",
       [](const void* o) { CFNotificationCenterRemoveEveryObserver(darwin(), o); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    NotificationLog log;
    log.observe(CFSTR("test.removed"));
    log.observe(CFSTR("test.kept"));
    c.remove(&log);
    post(CFSTR("test.removed"));
    post(CFSTR("test.kept"));
    postFenceAndWait();
    EXPECT_EQ(log.count("test.removed"), 0);
    EXPECT_EQ(log.count("test.kept"), c.expectedKept);
  }
}

// A callback may remove its own registration, or another one still waiting its turn.
TEST_F(SameProcess, CallbacksMayRemoveRegistrations) {
  static std::atomic<int> calls{0};
  struct Callbacks {
    static void once(CFNotificationCenterRef center, void* observer, CFNotificationName name,
                     const void*, CFDictionaryRef) {
      ++calls;
      CFNotificationCenterRemoveObserver(center, observer, name, nullptr);
    }
    static void removeEvery(CFNotificationCenterRef center, void* observer, CFNotificationName,
                            const void*, CFDictionaryRef) {
      CFNotificationCenterRemoveEveryObserver(center, observer);
    }
  };
  int observer = 0;
  CFNotificationCenterAddObserver(darwin(), &observer, Callbacks::once, CFSTR("test.once"), nullptr,
                                  CFNotificationSuspensionBehaviorDeliverImmediately);
  NotificationLog log;
  // Registered first, so it runs first in the round and removes the log's registration
  // while that one is still waiting its turn.
  CFNotificationCenterAddObserver(darwin(), &log, Callbacks::removeEvery, CFSTR("test.shared"),
                                  nullptr, CFNotificationSuspensionBehaviorCoalesce);
  log.observe(CFSTR("test.shared"));
  post(CFSTR("test.once"));
  post(CFSTR("test.shared"));
  postFenceAndWait();
  post(CFSTR("test.once"));
  postFenceAndWait();
  EXPECT_EQ(calls.load(), 1);
  EXPECT_EQ(log.heard().size(), 0u);
}

TEST_F(SameProcess, CallsWithoutCentreNameOrCallbackDoNothing) {
  NotificationLog log;
  int notACentre = 0;
  auto* foreign = reinterpret_cast<CFNotificationCenterRef>(&notACentre);
  for (CFNotificationCenterRef center : {static_cast<CFNotificationCenterRef>(nullptr), foreign}) {
    CFNotificationCenterAddObserver(center, &log, NotificationLog::record, CFSTR("test.ignored"),
                                    nullptr, CFNotificationSuspensionBehaviorHold);
    CFNotificationCenterPostNotification(center, CFSTR("test.fence"), nullptr, nullptr, true);
    CFNotificationCenterRemoveObserver(center, &fence_, nullptr, nullptr);
    CFNotificationCenterRemoveEveryObserver(center, &fence_);
  }
  CFNotificationCenterAddObserver(darwin(), &log, NotificationLog::record, nullptr, nullptr,
                                  CFNotificationSuspensionBehaviorDrop);
  CFNotificationCenterAddObserver(darwin(), &log, nullptr, CFSTR("test.ignored"), nullptr,
                                  CFNotificationSuspensionBehaviorDrop);
  CFNotificationCenterPostNotification(darwin(), nullptr, nullptr, nullptr, true);

  post(CFSTR("test.ignored"));
  postFenceAndWait();  // the fence is still registered: the foreign removals did nothing
  EXPECT_EQ(log.heard().size(), 0u);
  EXPECT_EQ(fence_.count("test.fence"), 1);  // the foreign-centre posts reached nobody
}

}  // namespace
}  // namespace vm::test
