// A post reaching receivers whose queues are full. A receiver that reads (a busy process
// taking a flood of posts) gets room within moments; a stopped one never does. So a post
// waits for full queues all together, once, for a short while, and remembers the receivers
// that did not make room: later posts do not wait on them at all until one takes a name
// again. However many receivers stop, a post waits at most that short while.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace vm::notify {

class FullQueues {
 public:
  FullQueues() = default;
  ~FullQueues();
  FullQueues(const FullQueues&) = delete;
  FullQueues& operator=(const FullQueues&) = delete;

  // Sends `name` on the connected socket `fd` (owned from now on) of the receiver whose
  // socket file is (`device`, `inode`), without blocking. A full queue is kept for
  // finish(), unless that receiver left an earlier post waiting in vain.
  void send(int fd, dev_t device, ino_t inode, const std::string& name);

  // Waits at most a short while, for all kept queues at once, to take `name`.
  void finish(const std::string& name);

 private:
  struct Queue {
    int fd;
    dev_t device;
    ino_t inode;
  };
  std::vector<Queue> full_;
};

}  // namespace vm::notify
