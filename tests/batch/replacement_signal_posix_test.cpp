// A signal that ends the program while a file is being replaced leaves the old file and no
// temporary file beside it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/byte_files.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

TEST(ReplacementSignal, AnEndingSignalRemovesTheTemporaryFile) {
  const fs::path directory =
      fs::temp_directory_path() / ("renumera-signal-" + std::to_string(getpid()));
  fs::create_directories(directory);
  const std::string path = (directory / "book.vcf").string();
  std::ofstream(path) << "TEL:23-45-67\r\n";

  for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      StartedReplacement started = BeginFileReplacement(path);
      if (!started.replacement || started.replacement->Write("TEL:2")) ::_exit(2);
      ::raise(signal_number);
      ::_exit(3);  // not reached: the signal ends the process
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), signal_number);
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(directory)) {
      ++files;
      EXPECT_EQ(entry.path().filename(), "book.vcf");
    }
    EXPECT_EQ(files, 1u);
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "TEL:23-45-67\r\n");
  }
  fs::remove_all(directory);
}

}  // namespace
}  // namespace platform
