// The system's files as the converter uses them: reading, and replacing a file in one step or
// not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/byte_files.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class SystemFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ =
        fs::temp_directory_path() / ("renumera-files-" + std::to_string(std::random_device()()));
    fs::create_directories(directory_);
  }
  void TearDown() override { fs::remove_all(directory_); }

  std::string Path(const char* name) const { return (directory_ / name).string(); }
  void Put(const char* name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Get(const char* name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory_), {}));
  }

  fs::path directory_;
};

TEST_F(SystemFiles, ReadsEveryByteAsItIs) {
  const std::string bytes("a\r\nb\n\x1A\0\xFF end", 12);
  Put("in.txt", bytes);
  OpenedInput opened = OpenInputFile(Path("in.txt"));
  ASSERT_TRUE(opened.file) << opened.failure;
  EXPECT_EQ(opened.file->Size(), bytes.size());
  std::string read;
  char buffer[5];
  for (ReadOutcome outcome; (outcome = opened.file->Read(buffer, sizeof buffer)).bytes > 0;) {
    ASSERT_FALSE(outcome.failure);
    read.append(buffer, outcome.bytes);
  }
  EXPECT_EQ(read, bytes);
}

TEST_F(SystemFiles, MissingFilesAndDirectoriesAreRefusedWithAReason) {
  EXPECT_FALSE(OpenInputFile(Path("missing")).file);
  EXPECT_FALSE(OpenInputFile(Path("missing")).failure.empty());
  EXPECT_FALSE(OpenInputFile(directory_.string()).file);
  EXPECT_FALSE(BeginFileReplacement(Path("missing")).replacement);
  EXPECT_FALSE(BeginFileReplacement(directory_.string()).replacement);
}

TEST_F(SystemFiles, AReplacementTakesThePlaceOfTheFileOnlyOnCommit) {
  Put("book.csv", "old");
  {
    StartedReplacement started = BeginFileReplacement(Path("book.csv"));
    ASSERT_TRUE(started.replacement) << started.failure;
    EXPECT_FALSE(started.replacement->Write("new "));
    EXPECT_FALSE(started.replacement->Write(std::string(100000, 'x')));
    EXPECT_EQ(Get("book.csv"), "old");
    EXPECT_FALSE(started.replacement->Commit());
  }
  EXPECT_EQ(Get("book.csv"), "new " + std::string(100000, 'x'));
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(SystemFiles, AReplacementDroppedWithoutCommitLeavesTheFileAndNothingElse) {
  Put("book.csv", "old");
  {
    StartedReplacement started = BeginFileReplacement(Path("book.csv"));
    ASSERT_TRUE(started.replacement);
    EXPECT_FALSE(started.replacement->Write("half"));
  }
  EXPECT_EQ(Get("book.csv"), "old");
  EXPECT_EQ(FileCount(), 1u);
}

}  // namespace
}  // namespace platform
