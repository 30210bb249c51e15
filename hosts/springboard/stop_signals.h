// How a watching SpringBoard stops: Ctrl-C, a terminal closing, a respring's SIGTERM or a
// SIGQUIT must not leave its notification socket and its registration behind, yet its
// parent must still see it end by that signal.
#pragma once

namespace springboard {

// Blocks SIGINT, SIGTERM, SIGHUP and SIGQUIT in this thread and every thread started
// after (call it before any is), and answers a descriptor that becomes readable when one
// arrives; -1 when that cannot be set up (the signals are then left as they were). Also
// registers the exit handler endByStopSignal relies on: call it before anything else
// registers one, so that it runs last.
int watchStopSignals();

// The stop signal waiting on `fd`, or 0.
int takeStopSignal(int fd);

// Ends the process through exit(), so that every exit handler (the notification centre's
// removal of its socket among them) runs, and then by `signal` itself.
[[noreturn]] void endByStopSignal(int signal);

}  // namespace springboard
