// Posts between processes: the centre is machine-wide, in both directions. (Every name a
// posting process sends arrives: see DeviceRootScope.WatcherKeepsOnlyTheNamesItObserves.)
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>

#include "tests/notify/notification_log.h"
#include "tests/support/device_root.h"

namespace vm::test {
namespace {

using CrossProcess = DeviceRootTest;

std::atomic<bool> gChildHeard{false};

void childHeard(CFNotificationCenterRef, void*, CFNotificationName, const void*, CFDictionaryRef) {
  gChildHeard = true;
}

// A child observes, says it is ready, and exits 0 once it hears the name (1 if it never
// does). It leaves through exit(), as a process normally ends.
pid_t startObservingChild(int readyPipe[2]) {
  pid_t child = fork();
  if (child != 0) return child;
  close(readyPipe[0]);
  CFNotificationCenterAddObserver(darwin(), nullptr, childHeard, CFSTR("test.to-child"), nullptr,
                                  CFNotificationSuspensionBehaviorCoalesce);
  char ready = 'r';
  if (write(readyPipe[1], &ready, 1) != 1) _exit(2);
  for (int waited = 0; waited < 5000 && !gChildHeard; waited += 5) poll(nullptr, 0, 5);
  std::exit(gChildHeard ? 0 : 1);
}

TEST_F(CrossProcess, PostFromThisProcessReachesAnotherAndItsSocketGoesWithIt) {
  int readyPipe[2];
  ASSERT_EQ(pipe(readyPipe), 0);
  pid_t child = startObservingChild(readyPipe);
  ASSERT_GT(child, 0);
  close(readyPipe[1]);
  pollfd ready{readyPipe[0], POLLIN, 0};
  char byte = 0;
  bool childReady = poll(&ready, 1, 5000) == 1 && read(readyPipe[0], &byte, 1) == 1;
  close(readyPipe[0]);
  EXPECT_TRUE(childReady);
  EXPECT_EQ(rendezvousEntries(root()), std::vector<std::string>{std::to_string(child)});

  CFNotificationCenterPostNotification(darwin(), CFSTR("test.to-child"), nullptr, nullptr, true);

  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the child never heard the post";
  EXPECT_TRUE(rendezvousEntries(root()).empty()) << "the child left its socket behind";
}

TEST_F(CrossProcess, PostingToolMisuseHelpAndBadDeviceRoots) {
  EXPECT_EQ(postFromOtherProcess(root(), {}), 2);
  EXPECT_EQ(postFromOtherProcess(root(), {"--frobnicate"}), 2);
  EXPECT_EQ(postFromOtherProcess(root(), {"--help"}), 0);
  EXPECT_EQ(postFromOtherProcess(root() + "/no-such-root", {"test.lost"}), 1);
  EXPECT_FALSE(std::filesystem::exists(root() + "/no-such-root"));
}

}  // namespace
}  // namespace vm::test
