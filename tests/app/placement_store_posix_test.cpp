// The placement store where the disk takes no more bytes, by a file size limit on posix.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/app/placement_store_fixture.h"

namespace app {
namespace {

// A disk that takes no more bytes: the run ends normally, and the file of the last run is
// still there, whole.
TEST_F(PlacementStoreTest, FailedSaveIsSilentAndLeavesThePreviousFile) {
  const std::string previous =
      "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=1\r\nYPos=2\r\n"
      "[__Dont_Touch_Me__]\r\nSectors=0\r\n";
  GivenFile(previous);
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1, 1};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    FakeWindow window;
    Run(window, [](FakeWindow& w) { w.x = 300; });
    ::_exit(window.changes == "x=1 y=2 min=0" ? 0 : 1);
  }
  int status = -1;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadBytes(Ini()), previous);
}

}  // namespace
}  // namespace app
