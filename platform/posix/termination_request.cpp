#include "platform/termination_request.h"

#include <signal.h>

#include <atomic>

namespace platform {
namespace {

constexpr int kTerminationSignals[] = {SIGINT, SIGTERM, SIGHUP};

// A lock-free atomic is async-signal-safe to read.
std::atomic<void (*)()> g_handler{nullptr};
static_assert(std::atomic<void (*)()>::is_always_lock_free);

void OnSignal(int) {
  if (void (*handler)() = g_handler.load()) handler();
}

}  // namespace

void SetTerminationHandler(void (*handler)()) {
  g_handler.store(handler);
  struct sigaction action {};
  sigemptyset(&action.sa_mask);
  // Interrupted system calls resume: the handler only wakes the program's wait, which
  // notices the request on its own.
  action.sa_flags = SA_RESTART;
  action.sa_handler = handler != nullptr ? OnSignal : SIG_DFL;
  for (const int signal_number : kTerminationSignals) sigaction(signal_number, &action, nullptr);
}

}  // namespace platform
