// Requests from outside the program to end it: on POSIX the signals SIGINT, SIGTERM and
// SIGHUP (interrupt, termination, the controlling terminal gone); on Windows the events of the
// program's console (Ctrl+C, Ctrl+Break, the console closed, log-off, shut-down). A program that catches them
// can close its window as the user would, so that nothing it saves at closing is lost.
#pragma once

namespace platform {

// Runs `handler` in signal context (on Windows: on a thread of the system's) on every such
// request from now on, instead of ending the process; it must be async-signal-safe. nullptr restores the default: the process ends.
void SetTerminationHandler(void (*handler)());

}  // namespace platform
