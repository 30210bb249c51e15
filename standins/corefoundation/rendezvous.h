// Where the processes of one device root meet: a folder holding one Unix datagram socket
// per observing process, named by its process id. A post is a datagram carrying the
// notification's name, sent to every socket in the folder.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace vm::notify {

// The device folder of the sockets, resolved under the current device root or the given one.
std::string rendezvousFolder();
std::string rendezvousFolder(const std::string& deviceRoot);

// A bound, non-blocking socket of this process in the rendezvous folder.
struct Listener {
  int fd = -1;
  std::string path;  // the socket's file, for unlinking
  dev_t device = 0;  // which file that was when it was bound
  ino_t inode = 0;
  bool valid() const { return fd >= 0; }
  // Whether the socket's file is still the one bound: nobody removed or replaced it, so
  // posts still find this process.
  bool stillInPlace() const;
};

// Binds this process's socket in the rendezvous folder of `deviceRoot`, making the folder
// when needed. Returns an invalid listener when that cannot be done.
Listener bindListener(const std::string& deviceRoot);

// Closes the socket and removes its file.
void closeListener(Listener& listener);

// Sends `name` to every live socket in the folder of the current device root and removes
// the files of sockets nobody holds any more; other files in the folder are left alone.
// Failures are silent.
void postToEveryListener(const std::string& name);

// Takes every datagram waiting on `fd`: the names in order of first arrival, each once.
std::vector<std::string> receivePendingNames(int fd);

}  // namespace vm::notify
