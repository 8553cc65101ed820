// The private-profile service on real files: where a name leads, and files that are not what
// a settings file should be.
#include "platform/private_profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "platform/posix/atomic_file.h"
#include "tests/support/temp_config_home.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

constexpr std::string_view kFreshFile = "[App]\r\nkey=string\r\n";
constexpr std::string_view kExisting = "[App]\r\nkey=old\r\n; keep me\r\n";

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info.st_mode & 07777;
}

// Everything in a directory but the given file: temporary files left behind show up here.
std::vector<std::string> OthersIn(const fs::path& directory, const std::string& file) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(directory)) {
    if (entry.path().filename() != file) others.push_back(entry.path().filename().string());
  }
  return others;
}

class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = ::getenv(name)) saved_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnvironment() { saved_ ? ::setenv(name_, saved_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

class PrivateProfile : public ::testing::Test {
 protected:
  fs::path Ini() const { return home_.SettingsDir() / "Renumera.INI"; }

  testing_support::TempConfigHome home_;
};

TEST_F(PrivateProfile, BareNameLivesInTheSettingsDirectoryMadeByTheFirstWrite) {
  EXPECT_EQ(ReadProfileString("App", "key", "none", "Renumera.INI"), "none");
  EXPECT_TRUE(DeleteProfileKey("App", "key", "Renumera.INI"));
  EXPECT_FALSE(fs::exists(home_.SettingsDir())) << "only a write that changes the file creates it";

  ASSERT_TRUE(WriteProfileString("App", "key", "string", "Renumera.INI"));
  EXPECT_EQ(ModeOf(home_.SettingsDir()), 0700u);
  EXPECT_EQ(ReadBytes(Ini()), kFreshFile);
  EXPECT_EQ(ReadProfileString("app", "KEY", "none", "Renumera.INI"), "string");
}

TEST_F(PrivateProfile, WithoutAUsableXdgConfigHomeTheHomeConfigDirectoryIsUsed) {
  const fs::path home = home_.Root() / "home";
  ScopedEnvironment home_variable("HOME", home.c_str());
  for (const char* config : {static_cast<const char*>(nullptr), "", "relative/config"}) {
    ScopedEnvironment config_variable("XDG_CONFIG_HOME", config);
    ASSERT_TRUE(WriteProfileString("App", "key", "string", "Fallback.ini"));
    EXPECT_EQ(ReadBytes(home / ".config/renumera/Fallback.ini"), kFreshFile);
    fs::remove_all(home);
  }
  EXPECT_FALSE(fs::exists("relative"));
}

TEST_F(PrivateProfile, NameWithADirectoryIsUsedAsGiven) {
  const fs::path path = home_.Root() / "elsewhere.ini";
  ASSERT_TRUE(WriteProfileString("App", "key", "string", path.string()));
  EXPECT_EQ(ReadBytes(path), kFreshFile);
  EXPECT_FALSE(fs::exists(home_.SettingsDir()));

  // Only the settings directory is created on demand.
  const fs::path deep = home_.Root() / "missing" / "dir.ini";
  EXPECT_FALSE(WriteProfileString("App", "key", "string", deep.string()));
  EXPECT_FALSE(fs::exists(deep.parent_path()));
}

TEST_F(PrivateProfile, NamesThatNameNoFileAreRefused) {
  EXPECT_FALSE(WriteProfileString("App", "key", "v", ""));
  EXPECT_FALSE(WriteProfileString("App", "key", "v", std::string_view("a\0b", 3)));
  EXPECT_EQ(ReadProfileString("App", "key", "none", ""), "none");
  EXPECT_FALSE(fs::exists(home_.SettingsDir()));
}

TEST_F(PrivateProfile, Windows1251FileNamesBecomeUtf8Paths) {
  ASSERT_TRUE(WriteProfileString("App", "key", "string", "\xCE\xEA\xED\xEE.ini"));
  EXPECT_EQ(ReadBytes(home_.SettingsDir() / "Окно.ini"), kFreshFile);
}

TEST_F(PrivateProfile, ReplacedFileKeepsItsPermissions) {
  WriteBytes(Ini(), kExisting);
  fs::permissions(Ini(), fs::perms(0640));
  ASSERT_TRUE(WriteProfileString("App", "key", "new", "Renumera.INI"));
  EXPECT_EQ(ModeOf(Ini()), 0640u);

  const mode_t old_mask = ::umask(027);
  ASSERT_TRUE(WriteProfileString("App", "key", "v", "New.ini"));
  ::umask(old_mask);
  EXPECT_EQ(ModeOf(home_.SettingsDir() / "New.ini"), 0640u);
}

TEST_F(PrivateProfile, WritingTheSameValueAgainDoesNotTouchTheFile) {
  WriteBytes(Ini(), kExisting);
  struct stat before {
  }, after{};
  ::stat(Ini().c_str(), &before);
  ASSERT_TRUE(WriteProfileString("App", "key", "old", "Renumera.INI"));
  ASSERT_TRUE(DeleteProfileKey("App", "missing", "Renumera.INI"));
  ::stat(Ini().c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
}

// A write through a symbolic link replaces the file it points to; the link stays.
TEST_F(PrivateProfile, SymbolicLinksAreFollowed) {
  fs::create_directories(home_.SettingsDir());
  const fs::path target = home_.Root() / "dotfiles" / "renumera.ini";
  fs::create_symlink("../dotfiles/renumera.ini", Ini());

  // Dangling while the target's directory is missing: nothing can be written, nothing is lost.
  EXPECT_EQ(ReadProfileString("App", "key", "none", "Renumera.INI"), "none");
  EXPECT_FALSE(WriteProfileString("App", "key", "string", "Renumera.INI"));
  EXPECT_TRUE(fs::is_symlink(Ini()));

  // Dangling with the directory there: the target is created, as a shell redirection would.
  fs::create_directories(target.parent_path());
  ASSERT_TRUE(WriteProfileString("App", "key", "string", "Renumera.INI"));
  EXPECT_TRUE(fs::is_symlink(Ini()));
  EXPECT_EQ(ReadBytes(target), kFreshFile);

  ASSERT_TRUE(WriteProfileString("App", "other", "2", "Renumera.INI"));
  EXPECT_TRUE(fs::is_symlink(Ini()));
  EXPECT_EQ(ReadBytes(target), "[App]\r\nkey=string\r\nother=2\r\n");
  EXPECT_EQ(ReadProfileString("App", "other", "", "Renumera.INI"), "2");
}

TEST_F(PrivateProfile, SymbolicLinkLoopReadsAsMissingAndIsNotWritten) {
  fs::create_directories(home_.SettingsDir());
  fs::create_symlink("loop-b", Ini());
  fs::create_symlink("Renumera.INI", home_.SettingsDir() / "loop-b");
  EXPECT_EQ(ReadProfileString("App", "key", "none", "Renumera.INI"), "none");
  EXPECT_FALSE(WriteProfileString("App", "key", "v", "Renumera.INI"));
  EXPECT_TRUE(fs::is_symlink(Ini()));
  EXPECT_EQ(fs::read_symlink(Ini()), "loop-b");
}

// Files that cannot be taken for a settings file read as missing, and a write leaves them
// exactly as they are instead of replacing them by a file holding one key.
class UnusableFile : public PrivateProfile {
 protected:
  void ExpectUntouchedBy(const std::function<void()>& check_unchanged) {
    EXPECT_EQ(ReadProfileString("App", "key", "none", "Renumera.INI"), "none");
    EXPECT_FALSE(WriteProfileString("App", "key", "new", "Renumera.INI"));
    EXPECT_FALSE(DeleteProfileKey("App", "key", "Renumera.INI"));
    check_unchanged();
    EXPECT_EQ(OthersIn(home_.SettingsDir(), "Renumera.INI"), std::vector<std::string>{});
  }
};

TEST_F(UnusableFile, Directory) {
  WriteBytes(Ini() / "inside", "data");
  ExpectUntouchedBy([&] { EXPECT_EQ(ReadBytes(Ini() / "inside"), "data"); });
}

TEST_F(UnusableFile, Fifo) {
  fs::create_directories(home_.SettingsDir());
  ASSERT_EQ(::mkfifo(Ini().c_str(), 0600), 0);
  ExpectUntouchedBy([&] { EXPECT_TRUE(fs::is_fifo(Ini())); });
}

TEST_F(UnusableFile, LargerThanASettingsFileCanBe) {
  WriteBytes(Ini(), kExisting);
  fs::resize_file(Ini(), posix::kFileSizeLimit + 1);
  ExpectUntouchedBy([&] { EXPECT_EQ(fs::file_size(Ini()), posix::kFileSizeLimit + 1); });
}

TEST_F(UnusableFile, Utf16Text) {
  const std::string utf16("\xFF\xFE[\0A\0p\0p\0]\0\r\0\n\0k\0e\0y\0=\0o\0l\0d\0", 28);
  WriteBytes(Ini(), utf16);
  ExpectUntouchedBy([&] { EXPECT_EQ(ReadBytes(Ini()), utf16); });
}

TEST_F(UnusableFile, Unreadable) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  WriteBytes(Ini(), kExisting);
  fs::permissions(Ini(), fs::perms::none);
  ExpectUntouchedBy([&] {
    fs::permissions(Ini(), fs::perms::owner_read);
    EXPECT_EQ(ReadBytes(Ini()), kExisting);
  });
}

TEST_F(PrivateProfile, ReadOnlyDirectoryKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  WriteBytes(Ini(), kExisting);
  fs::permissions(home_.SettingsDir(), fs::perms(0500));
  EXPECT_FALSE(WriteProfileString("App", "key", "new", "Renumera.INI"));
  fs::permissions(home_.SettingsDir(), fs::perms(0700));
  EXPECT_EQ(ReadBytes(Ini()), kExisting);
  EXPECT_EQ(OthersIn(home_.SettingsDir(), "Renumera.INI"), std::vector<std::string>{});
}

}  // namespace
}  // namespace platform
