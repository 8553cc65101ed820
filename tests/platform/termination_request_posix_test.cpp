// Interrupt, termination and hang-up reach the handler instead of ending the process, until
// the default is restored.
#include <gtest/gtest.h>
#include <signal.h>

#include <atomic>

#include "platform/termination_request.h"

namespace platform {
namespace {

std::atomic<int> g_requests{0};

void CountRequest() {
  ++g_requests;
}

TEST(TerminationRequest, EachSignalReachesTheHandlerUntilTheDefaultIsBack) {
  g_requests = 0;
  SetTerminationHandler(CountRequest);
  for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) raise(signal_number);
  EXPECT_EQ(g_requests, 3);

  SetTerminationHandler(nullptr);
  for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction action {};
    sigaction(signal_number, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL) << signal_number;
  }
}

}  // namespace
}  // namespace platform
