// A write that dies or fails half-way must leave the previous file complete.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/ini_document.h"
#include "platform/private_profile.h"
#include "tests/support/temp_config_home.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;

constexpr int kKeys = 40;
constexpr std::size_t kValueLength = 1000;

std::string Key(int i) {
  return std::string("K").append(std::to_string(i));
}

// Runs `body` in a child process and gives its exit status, or -1 when it did not exit.
template <typename Body>
int RunInChild(Body body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class AtomicWrite : public ::testing::Test {
 protected:
  fs::path Ini() const { return home_.SettingsDir() / "Renumera.INI"; }
  std::vector<std::string> OtherFiles() const {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(home_.SettingsDir())) {
      if (entry.path() != Ini()) others.push_back(entry.path().filename().string());
    }
    return others;
  }

  testing_support::TempConfigHome home_;
};

// A file of kKeys keys whose values are each kValueLength copies of one letter; a writer
// that is killed at any moment must leave a file that still has every key complete.
TEST_F(AtomicWrite, WriterKilledAtAnyMomentLeavesACompleteFile) {
  for (int i = 0; i < kKeys; ++i) {
    ASSERT_TRUE(WriteProfileString("Main", Key(i), std::string(kValueLength, 'a'), "Renumera.INI"));
  }

  for (int round = 0; round < 25; ++round) {
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      for (int n = 0;; ++n) {
        const char letter = static_cast<char>('a' + (n / kKeys) % 26);
        WriteProfileString("Main", Key(n % kKeys), std::string(kValueLength, letter),
                           "Renumera.INI");
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500 + round * 397 % 8000));
    ::kill(writer, SIGKILL);
    int status = 0;
    ::waitpid(writer, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    const std::optional<IniDocument> file = IniDocument::Parse(ReadBytes(Ini()));
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Serialize().ends_with("\r\n")) << "round " << round;
    for (int i = 0; i < kKeys; ++i) {
      const std::string value = file->Read("Main", Key(i), "");
      ASSERT_EQ(value.size(), kValueLength) << "round " << round << " key " << i;
      ASSERT_EQ(value, std::string(kValueLength, value.front())) << "round " << round;
    }
  }

  // Temporary files of killed writers do not hinder the next write.
  ASSERT_TRUE(WriteProfileString("Main", "After", "1", "Renumera.INI"));
  EXPECT_EQ(ReadProfileString("Main", "After", "", "Renumera.INI"), "1");
}

// A file-size limit makes write() fail part of the way, as a full disk does.
TEST_F(AtomicWrite, FailingWriteLeavesThePreviousFileAndNoTemporaryFile) {
  ASSERT_TRUE(WriteProfileString("Main", "XPos", "10", "Renumera.INI"));
  ASSERT_TRUE(WriteProfileString("Other", "Keep", "me", "Renumera.INI"));
  const std::string before = ReadBytes(Ini());

  const int written = RunInChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{before.size() + 8, before.size() + 8};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return WriteProfileString("Main", "Long", std::string(500, 'x'), "Renumera.INI") ? 1 : 0;
  });
  EXPECT_EQ(written, 0) << "the failure must be reported";
  EXPECT_EQ(ReadBytes(Ini()), before);
  EXPECT_EQ(OtherFiles(), std::vector<std::string>{});
}

}  // namespace
}  // namespace platform
