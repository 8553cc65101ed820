// The placement store on posix: the exact bytes our own engine leaves, and a disk that takes no
// more bytes (a file size limit).
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

// Our engine edits the lines it must and leaves every other byte as it was.
TEST_F(PlacementStoreTest, HandWrittenFileKeepsEverythingElseThroughASave) {
  GivenFile(kHandWritten);
  FakeWindow window;
  Run(window, [](FakeWindow& w) { w.maximized = 0, w.x = 30, w.y = 40; });
  EXPECT_EQ(window.changes, "x=7 max=1 min=0");
  EXPECT_EQ(ReadBytes(Ini()),
            "; Renumera keeps its window here.\r\n"
            "[Fonts]\r\nFace=Tahoma\r\n\r\n"
            "[Main]\r\n; last place on the screen\r\nXPos = 30\r\nMaximize=No\r\nCustom=kept\r\n"
            "Minimize=No\r\nYPos=40\r\n\r\n"
            "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=List,Box,Format\r\n"
            "Sectors_9=left alone\r\n");
}

}  // namespace
}  // namespace app
