// The centre is scoped to the device root, and an odd root never turns into a crash.
#include "tests/support/device_root.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>

#include "linux_only/device_path.h"
#include "standins/corefoundation/kept_strings.h"
#include "tests/notify/notification_log.h"

namespace vm::test {
namespace {

using DeviceRootScope = DeviceRootTest;

TEST_F(DeviceRootScope, DifferentRootsDoNotHearEachOther) {
  NotificationLog log;
  log.observe(CFSTR("test.name"));
  log.observe(CFSTR("test.fence"));
  std::string otherRoot = root() + "/other-device";
  std::filesystem::create_directories(otherRoot);

  ASSERT_EQ(postFromOtherProcess(otherRoot, {"test.name"}), 0);
  // Anything the other root's post had wrongly sent here would arrive before this fence.
  ASSERT_EQ(postFromOtherProcess(root(), {"test.fence"}), 0);
  ASSERT_TRUE(log.waitFor("test.fence"));
  EXPECT_EQ(log.count("test.name"), 0);
  EXPECT_TRUE(rendezvousEntries(otherRoot).empty());
}

// A socket file whose process is gone, as a crashed observer leaves it.
void leaveStaleSocket(const std::string& folder) {
  pid_t dead = fork();
  if (dead == 0) _exit(0);
  ASSERT_GT(dead, 0);
  ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::string path = folder + "/" + std::to_string(dead);
  ASSERT_LT(path.size(), sizeof(address.sun_path));
  std::strcpy(address.sun_path, path.c_str());
  int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
  close(fd);
}

// A dead process's socket is cleared, anything else is left, and posts still arrive.
TEST_F(DeviceRootScope, CleaningUpRemovesOnlyStaleSocketsAndPostsStillArrive) {
  NotificationLog log;
  log.observe(CFSTR("test.name"));
  const std::string folder = path("/var/run/notifications");
  writeFile("/var/run/notifications/4000001", "not a socket");
  ASSERT_EQ(mkfifo((folder + "/4000002").c_str(), 0600), 0);
  ASSERT_NO_FATAL_FAILURE(leaveStaleSocket(folder));
  ASSERT_EQ(rendezvousEntries(root()).size(), 4u);

  post(CFSTR("test.name"));
  ASSERT_TRUE(log.waitFor("test.name"));
  std::vector<std::string> expected{"4000001", "4000002", std::to_string(getpid())};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(rendezvousEntries(root()), expected);
  EXPECT_EQ(std::filesystem::file_size(folder + "/4000001"), 12u);
  ASSERT_EQ(postFromOtherProcess(root(), {"test.name"}), 0);
  EXPECT_TRUE(log.waitFor("test.name", 2));
}

bool isSocketFile(const std::string& file) {
  struct stat info {};
  return lstat(file.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

TEST_F(DeviceRootScope, WatcherWhoseSocketIsRemovedListensAgainWithinASecond) {
  const std::string socket = path("/var/run/notifications/") + std::to_string(getpid());
  struct Case {
    const char* what;
    std::string removed;
  };
  const Case cases[] = {{"its socket file", socket}, {"the whole folder", path("/var")}};
  NotificationLog log;
  log.observe(CFSTR("test.name"));
  int heard = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(isSocketFile(socket));
    std::filesystem::remove_all(c.removed);
    bool back = false;
    for (int waited = 0; waited <= 1000 && !back; waited += 10) {
      back = isSocketFile(socket);
      if (!back) std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(back);
    ASSERT_EQ(postFromOtherProcess(root(), {"test.name"}), 0);
    EXPECT_TRUE(log.waitFor("test.name", ++heard));
  }
}

TEST_F(DeviceRootScope, WatcherKeepsOnlyTheNamesItObserves) {
  NotificationLog log;
  log.observe(CFSTR("test.watched"));
  const size_t kept = VMConstantStringCount();
  std::vector<std::string> names;
  for (int i = 0; i < 300; ++i) names.push_back("test.unrelated." + std::to_string(i));
  // Names arrive in the order they were sent: once the last is heard, all were handled.
  names.push_back("test.watched");
  ASSERT_EQ(postFromOtherProcess(root(), names), 0);
  ASSERT_TRUE(log.waitFor("test.watched"));
  EXPECT_EQ(VMConstantStringCount(), kept);
}

TEST_F(DeviceRootScope, RootDeeperThanASocketPathStillDelivers) {
  std::string deep = root();
  while (deep.size() < 200) deep += "/a-rather-long-folder-name";
  std::filesystem::create_directories(deep);
  setenv(kDeviceRootVariable, deep.c_str(), 1);

  NotificationLog log;
  log.observe(CFSTR("test.deep"));
  post(CFSTR("test.deep"));
  ASSERT_TRUE(log.waitFor("test.deep"));
  ASSERT_EQ(postFromOtherProcess(deep, {"test.deep"}), 0);
  EXPECT_TRUE(log.waitFor("test.deep", 2));
}

TEST_F(DeviceRootScope, UnusableRootReachesNobodyAndTheCentreRecovers) {
  // A root under a plain file: no folder can be made there.
  writeFile("/not-a-folder", "x");
  std::string unusable = path("/not-a-folder") + "/device";
  setenv(kDeviceRootVariable, unusable.c_str(), 1);
  NotificationLog log;
  log.observe(CFSTR("test.name"));
  post(CFSTR("test.name"));
  // The posting tool refuses a root that is not a folder rather than post into nothing.
  EXPECT_EQ(postFromOtherProcess(unusable, {"test.name"}), 1);

  setenv(kDeviceRootVariable, root().c_str(), 1);
  log.observe(CFSTR("test.fence"));  // registering again listens in the usable root
  post(CFSTR("test.name"));
  post(CFSTR("test.fence"));
  ASSERT_TRUE(log.waitFor("test.fence"));
  EXPECT_EQ(log.count("test.name"), 1);
}

TEST_F(DeviceRootScope, ReplacedRootFolderIsListenedToAgainOnTheNextRegistration) {
  NotificationLog log;
  log.observe(CFSTR("test.name"));
  std::filesystem::remove_all(path("/var"));
  log.observe(CFSTR("test.name"));  // same registration; the socket is made again
  ASSERT_EQ(postFromOtherProcess(root(), {"test.name"}), 0);
  EXPECT_TRUE(log.waitFor("test.name"));
}

// Stopped observers (sockets whose queues are full and never drained) cost a post nothing:
// it neither waits on them nor loses a name for the observers that read.
TEST_F(DeviceRootScope, APostNeverWaitsOnAnObserverThatDoesNotRead) {
  NotificationLog log;
  for (const char* name : {"test.a", "test.b", "test.c"})
    log.observe(__CFStringMakeConstantString(name));
  std::string folder = root() + "/var/run/notifications";
  std::vector<int> stopped;
  for (int i = 0; i < 20; ++i) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string path = folder + "/" + std::to_string(4100000 + i);
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    std::strcpy(address.sun_path, path.c_str());
    int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    stopped.push_back(fd);
    int sender = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    ASSERT_EQ(connect(sender, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    while (send(sender, "x", 1, MSG_DONTWAIT) == 1) {
    }
    close(sender);
  }
  // A post that waited on each full queue would take seconds; this bounds only a hang.
  auto posting = std::async(std::launch::async, [] {
    for (const char* name : {"test.a", "test.b", "test.c"}) {
      CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                           __CFStringMakeConstantString(name), nullptr, nullptr,
                                           true);
    }
  });
  EXPECT_EQ(posting.wait_for(std::chrono::seconds(2)), std::future_status::ready);
  posting.wait();
  for (const char* name : {"test.a", "test.b", "test.c"}) EXPECT_TRUE(log.waitFor(name)) << name;
  for (int fd : stopped) close(fd);
}

}  // namespace
}  // namespace vm::test
