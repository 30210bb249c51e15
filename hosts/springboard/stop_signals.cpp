#include "hosts/springboard/stop_signals.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>

namespace springboard {
namespace {

volatile sig_atomic_t gEndingBy = 0;

sigset_t stopSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&set, signal);
  return set;
}

// Registered before every other exit handler, so it runs after them all.
void raiseAfterCleanUp() {
  if (gEndingBy == 0) return;
  int signal = gEndingBy;
  ::signal(signal, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  // Every other thread keeps it blocked, so it is delivered to this one.
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  raise(signal);
}

}  // namespace

int watchStopSignals() {
  sigset_t set = stopSignals();
  int fd = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
  if (fd < 0 || std::atexit(raiseAfterCleanUp) != 0) {
    if (fd >= 0) close(fd);
    return -1;
  }
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  return fd;
}

int takeStopSignal(int fd) {
  signalfd_siginfo info{};
  if (read(fd, &info, sizeof info) != static_cast<ssize_t>(sizeof info)) return 0;
  return static_cast<int>(info.ssi_signo);
}

void endByStopSignal(int signal) {
  gEndingBy = signal;
  std::exit(128 + signal);
}

}  // namespace springboard
