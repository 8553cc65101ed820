// The private-profile service through the system's own functions: the per-user file, the
// file an older installation left in the Windows directory, and the bytes the system writes.
#include <shlobj.h>
#include <windows.h>
// windows.h names the system's win.ini function WriteProfileString, a macro that would rename
// the service's function of that name.
#undef WriteProfileString

#include <gtest/gtest.h>

#include <random>

#include "platform/private_profile.h"
#include "tests/support/temp_config_home.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

// A file name of this test alone: the Windows directory is shared by every test of the prefix.
std::string UniqueName(const char* stem) {
  return stem + std::to_string(std::random_device()()) + ".INI";
}

fs::path WindowsDirectory() {
  char buffer[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  return fs::path(std::string(buffer, length));
}

class Win32PrivateProfile : public ::testing::Test {
 protected:
  fs::path PerUser(const std::string& name) const { return home_.SettingsDir() / name; }

  testing_support::TempConfigHome home_;
};

TEST_F(Win32PrivateProfile, FirstRunFileIsWhatTheSystemWritesWithCrLf) {
  EXPECT_FALSE(fs::exists(home_.SettingsDir())) << "made by the first write only";
  EXPECT_EQ(ReadProfileString("Main", "XPos", "-1", "Renumera.INI"), "-1");
  EXPECT_FALSE(fs::exists(home_.SettingsDir())) << "a read makes nothing";

  ASSERT_TRUE(WriteProfileString("Main", "Maximize", "No", "Renumera.INI"));
  ASSERT_TRUE(WriteProfileString("Main", "XPos", "120", "Renumera.INI"));
  ASSERT_TRUE(WriteProfileString("__Dont_Touch_Me__", "Sectors", "0", "Renumera.INI"));
  EXPECT_EQ(ReadBytes(PerUser("Renumera.INI")),
            "[Main]\r\nMaximize=No\r\nXPos=120\r\n[__Dont_Touch_Me__]\r\nSectors=0\r\n");
  EXPECT_EQ(ReadProfileString("main", "xpos", "-1", "Renumera.INI"), "120");
  EXPECT_FALSE(fs::exists(WindowsDirectory() / "Renumera.INI")) << "never the Windows directory";
}

TEST_F(Win32PrivateProfile, DeletingRemovesTheKeyAndAMissingKeyOrFileIsLeftAlone) {
  ASSERT_TRUE(DeleteProfileKey("Main", "XPos", "Renumera.INI"));
  EXPECT_FALSE(fs::exists(home_.SettingsDir())) << "nothing to delete from, nothing made";

  WriteBytes(PerUser("Renumera.INI"), "[Main]\r\nXPos=1\r\nYPos=2\r\n");
  ASSERT_TRUE(DeleteProfileKey("Main", "XPos", "Renumera.INI"));
  EXPECT_EQ(ReadBytes(PerUser("Renumera.INI")), "[Main]\r\nYPos=2\r\n");
  const std::string before = ReadBytes(PerUser("Renumera.INI"));
  EXPECT_TRUE(DeleteProfileKey("Main", "XPos", "Renumera.INI"));
  EXPECT_TRUE(DeleteProfileKey("Other", "XPos", "Renumera.INI"));
  EXPECT_EQ(ReadBytes(PerUser("Renumera.INI")), before);
}

// The file keeps its hand-written spacing unless the system rewrites it, and a file that
// another program holds open without sharing cannot be written at all.
TEST_F(Win32PrivateProfile, TheSameValueAgainWritesNothingAndRefusedTextLeavesTheFile) {
  const std::string original = "[Main]\r\nXPos = 120\r\n";
  WriteBytes(PerUser("Renumera.INI"), original);

  EXPECT_TRUE(WriteProfileString("Main", "XPos", "120", "Renumera.INI"));
  for (const char* value : {"1\r\nYPos=2", "1\n", "a\rb"}) {
    EXPECT_FALSE(WriteProfileString("Main", "XPos", value, "Renumera.INI")) << value;
  }
  EXPECT_FALSE(WriteProfileString("Main\n[Other]", "XPos", "1", "Renumera.INI"));
  EXPECT_FALSE(WriteProfileString("Main", "", "1", "Renumera.INI"));
  EXPECT_FALSE(WriteProfileString("", "XPos", "1", "Renumera.INI"));
  EXPECT_FALSE(WriteProfileString("Main", "X=Pos", "1", "Renumera.INI"));
  EXPECT_EQ(ReadBytes(PerUser("Renumera.INI")), original);

  const HANDLE held =
      CreateFileA(PerUser("Renumera.INI").string().c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteProfileString("Main", "XPos", "121", "Renumera.INI"));
  CloseHandle(held);
  EXPECT_EQ(ReadBytes(PerUser("Renumera.INI")), original);
}

TEST_F(Win32PrivateProfile, NamesThatNameNoFileOrKeyGiveTheDefault) {
  EXPECT_EQ(ReadProfileString("Main", "XPos", "7  ", ""), "7");
  EXPECT_EQ(ReadProfileString("Main", "", "7", "Renumera.INI"), "7");
  EXPECT_EQ(ReadProfileString("", "XPos", "7", "Renumera.INI"), "7");
  EXPECT_EQ(ReadProfileString("Main", "XPos", "7", std::string_view("a\0b", 3)), "7");
  EXPECT_FALSE(WriteProfileString("Main", "XPos", "1", ""));
  EXPECT_FALSE(DeleteProfileKey("Main", "XPos", ""));
}

TEST_F(Win32PrivateProfile, ANameWithADirectoryIsUsedAsGiven) {
  const fs::path file = home_.Root() / "elsewhere.ini";
  ASSERT_TRUE(WriteProfileString("Main", "XPos", "5", file.string()));
  EXPECT_EQ(ReadBytes(file), "[Main]\r\nXPos=5\r\n");
  EXPECT_EQ(ReadProfileString("Main", "XPos", "", file.string()), "5");
  EXPECT_FALSE(fs::exists(home_.SettingsDir()));
}

// An older installation kept its file in the Windows directory. It is read until the per-user
// file exists; the first change carries it over whole and leaves the old file as it was.
class Win32ProfileFallback : public Win32PrivateProfile {
 protected:
  void SetUp() override { WriteBytes(Legacy(), kLegacy); }
  void TearDown() override { fs::remove(Legacy()); }
  fs::path Legacy() const { return WindowsDirectory() / name_; }

  static constexpr std::string_view kLegacy =
      "[Main]\r\nXPos=7\r\nYPos=8\r\n[__Dont_Touch_Me__]\r\nSectors=3\r\n";
  const std::string name_ = UniqueName("RenumeraFallback");
};

TEST_F(Win32ProfileFallback, ReadsTheOldFileWhileThereIsNoOtherAndCarriesItOver) {
  EXPECT_EQ(ReadProfileString("Main", "XPos", "-1", name_), "7");
  EXPECT_FALSE(fs::exists(PerUser(name_)));
  EXPECT_TRUE(WriteProfileString("Main", "XPos", "7", name_)) << "already so";
  EXPECT_FALSE(fs::exists(PerUser(name_))) << "nothing changed, nothing written";

  ASSERT_TRUE(WriteProfileString("Main", "XPos", "9", name_));
  EXPECT_EQ(ReadBytes(PerUser(name_)),
            "[Main]\r\nXPos=9\r\nYPos=8\r\n[__Dont_Touch_Me__]\r\nSectors=3\r\n");
  EXPECT_EQ(ReadBytes(Legacy()), kLegacy);

  // From now on only the per-user file counts, even for a key it has lost.
  WriteBytes(Legacy(), "[Main]\r\nXPos=1\r\nZPos=2\r\n");
  EXPECT_EQ(ReadProfileString("Main", "XPos", "-1", name_), "9");
  EXPECT_EQ(ReadProfileString("Main", "ZPos", "-1", name_), "-1");
}

TEST_F(Win32ProfileFallback, DeletingFromTheOldFileDeletesFromItsCopy) {
  EXPECT_TRUE(DeleteProfileKey("Main", "Missing", name_));
  EXPECT_FALSE(fs::exists(PerUser(name_))) << "no such key: nothing carried over";
  ASSERT_TRUE(DeleteProfileKey("Main", "YPos", name_));
  EXPECT_EQ(ReadBytes(PerUser(name_)), "[Main]\r\nXPos=7\r\n[__Dont_Touch_Me__]\r\nSectors=3\r\n");
  EXPECT_EQ(ReadBytes(Legacy()), kLegacy);
}

// Without APPDATA in the environment the folder is the one the shell keeps for it.
TEST(Win32ProfileLocation, WithoutTheEnvironmentTheShellsFolderIsUsed) {
  const std::optional<std::string> saved = testing_support::GetEnvironment("APPDATA");
  testing_support::SetEnvironment("APPDATA", std::nullopt);
  char data[MAX_PATH];
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, data)));
  const std::string name = UniqueName("RenumeraShell");
  const fs::path expected = fs::path(data) / "Renumera" / name;

  EXPECT_TRUE(WriteProfileString("Main", "XPos", "3", name));
  EXPECT_EQ(ReadBytes(expected), "[Main]\r\nXPos=3\r\n");
  EXPECT_FALSE(fs::exists(WindowsDirectory() / name));
  fs::remove(expected);
  testing_support::SetEnvironment("APPDATA", saved);
}

}  // namespace
}  // namespace platform
