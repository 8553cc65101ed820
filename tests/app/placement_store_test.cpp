// The window's placement in the INI file: the exact files a run leaves, and what a file
// applies to the window at the next start.
#include "app/placement_store.h"

#include <gtest/gtest.h>

#include "platform/private_profile.h"
#include "tests/app/placement_store_fixture.h"

namespace app {
namespace {

TEST_F(PlacementStoreTest, FirstRunWritesTheMainSectionThenTheReservedOne) {
  FakeWindow window;
  window.x = 120;
  window.y = 80;
  Run(window);
  EXPECT_EQ(window.changes, "") << "nothing in the file, nothing applied";
  EXPECT_EQ(ReadBytes(Ini()),
            "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=120\r\nYPos=80\r\n"
            "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

TEST_F(PlacementStoreTest, FirstRunOfAResizableWindowAlsoKeepsItsSize) {
  FakeWindow window;
  window.resizable = true;
  Run(window);
  EXPECT_EQ(ReadBytes(Ini()),
            "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=100\r\nYPos=50\r\nWidth=200\r\n"
            "Height=120\r\n[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

TEST_F(PlacementStoreTest, NextRunOpensWhereTheLastEndedAndLeavesTheFileAsItWas) {
  FakeWindow first;
  first.resizable = true;
  Run(first, [](FakeWindow& w) { w.x = -30, w.y = 700, w.width = 640, w.height = 480; });
  const std::string after_first = ReadBytes(Ini());

  FakeWindow second;
  second.resizable = true;
  Run(second);
  EXPECT_EQ(second.changes, "x=-30 y=700 w=640 h=480 min=0");
  EXPECT_EQ(ReadBytes(Ini()), after_first);
}

// What a save keeps of a hand-written file, whichever engine edits it: every other key, every
// section and every comment, with the window's keys set. (The exact bytes are our posix
// engine's and Windows's; other implementations of the system functions rewrite the layout.)
TEST_F(PlacementStoreTest, HandWrittenFileKeepsItsOtherKeysAndCommentsThroughASave) {
  GivenFile(kHandWritten);
  FakeWindow window;
  Run(window, [](FakeWindow& w) { w.maximized = 0, w.x = 30, w.y = 40; });
  EXPECT_EQ(window.changes, "x=7 max=1 min=0");
  const std::string file = Ini().string();
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } expected[] = {
      {"Fonts", "Face", "Tahoma"},
      {"Main", "XPos", "30"},
      {"Main", "YPos", "40"},
      {"Main", "Maximize", "No"},
      {"Main", "Minimize", "No"},
      {"Main", "Custom", "kept"},
      {"__Dont_Touch_Me__", "Sectors", "1"},
      {"__Dont_Touch_Me__", "Sectors_1", "List,Box,Format"},
      {"__Dont_Touch_Me__", "Sectors_9", "left alone"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(platform::ReadProfileString(e.section, e.key, "--", file), e.value) << e.key;
  }
  const std::string bytes = ReadBytes(Ini());
  EXPECT_NE(bytes.find("; Renumera keeps its window here.\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("; last place on the screen\r\n"), std::string::npos) << bytes;
}

struct UpdateCase {
  const char* name;
  int32_t maximized;
  int32_t minimized;
  bool resizable;
  const char* section;  // the section "Main" afterwards
};

void PrintTo(const UpdateCase& c, std::ostream* out) {
  *out << c.name;
}

class UpdatePlacementTest : public PlacementStoreTest,
                            public ::testing::WithParamInterface<UpdateCase> {};

TEST_P(UpdatePlacementTest, WritesTheWindowsState) {
  GivenFile("[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=1\r\nYPos=2\r\nWidth=3\r\nHeight=4\r\n");
  FakeWindow window;
  window.maximized = GetParam().maximized;
  window.minimized = GetParam().minimized;
  window.resizable = GetParam().resizable;
  PlacementStore store;
  store.OpenStore(kFile);
  store.UpdatePlacement("Main", window);
  EXPECT_EQ(ReadBytes(Ini()), GetParam().section);
}

INSTANTIATE_TEST_SUITE_P(
    States, UpdatePlacementTest,
    ::testing::Values(
        UpdateCase{"Normal", 0, 0, false,
                   "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=100\r\nYPos=50\r\n"},
        UpdateCase{"NormalResizable", 0, 0, true,
                   "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=100\r\nYPos=50\r\nWidth=200\r\n"
                   "Height=120\r\n"},
        UpdateCase{"Maximized", 1, 0, true, "[Main]\r\nMaximize=Yes\r\nMinimize=No\r\n"},
        UpdateCase{"MaximizedAsAnyNonzeroNumber", -7, 0, true,
                   "[Main]\r\nMaximize=Yes\r\nMinimize=No\r\n"},
        UpdateCase{"Minimized", 0, 1, false, "[Main]\r\nMaximize=No\r\nMinimize=Yes\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlacementStoreTest, WindowClosedMaximizedOpensMaximizedAtItsDefinedPlace) {
  FakeWindow first;
  first.resizable = true;
  Run(first, [](FakeWindow& w) { w.maximized = 1; });
  EXPECT_EQ(ReadBytes(Ini()),
            "[Main]\r\nMaximize=Yes\r\nMinimize=No\r\n[__Dont_Touch_Me__]\r\nSectors=0\r\n");

  FakeWindow second;
  second.resizable = true;
  Run(second);
  EXPECT_EQ(second.changes, "max=1 min=0");
}

struct FetchCase {
  const char* name;
  const char* main_section;  // the lines of [Main]
  int32_t maximized;         // the window's state before the fetch
  bool resizable;
  const char* changes;  // what is done to the window, in order
};

void PrintTo(const FetchCase& c, std::ostream* out) {
  *out << c.name;
}

class FetchPlacementTest : public PlacementStoreTest,
                           public ::testing::WithParamInterface<FetchCase> {};

TEST_P(FetchPlacementTest, AppliesWhatTheFileHolds) {
  GivenFile(std::string("[Other]\r\nMaximize=No\r\nXPos=9\r\n[Main]\r\n") +
            GetParam().main_section);
  FakeWindow window;
  window.maximized = GetParam().maximized;
  window.resizable = GetParam().resizable;
  PlacementStore store;
  store.OpenStore(kFile);
  EXPECT_EQ(store.ReadPlacement("Main").GOT, std::string(GetParam().changes).empty() ? 0 : 1);
  store.FetchPlacement("Main", window);
  EXPECT_EQ(window.changes, GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FetchPlacementTest,
    ::testing::Values(
        FetchCase{"Normal", "Maximize=No\r\nMinimize=No\r\nXPos=5\r\nYPos=6\r\n", 0, false,
                  "x=5 y=6 min=0"},
        FetchCase{"EmptySection", "", 0, false, ""},
        FetchCase{"LowerCaseYes", "Maximize=yes\r\nXPos=5\r\nYPos=6\r\n", 0, false, ""},
        FetchCase{"UpperCaseYes", "Maximize=YES\r\nXPos=5\r\nYPos=6\r\n", 0, false, ""},
        FetchCase{"MaximizeMissing", "Minimize=No\r\nXPos=5\r\nYPos=6\r\n", 0, false, ""},
        FetchCase{"MaximizeEmpty", "Maximize=\r\nXPos=5\r\n", 0, false, ""},
        FetchCase{"LeadingBlankInQuotes", "Maximize=\" No\"\r\nXPos=5\r\n", 0, false, ""},
        FetchCase{"TrailingBlanksInQuotes", "Maximize=\"No  \"\r\nXPos=5\r\n", 0, false,
                  "x=5 min=0"},
        FetchCase{"XPosMissing", "Maximize=No\r\nMinimize=No\r\nYPos=40\r\n", 0, false,
                  "y=40 min=0"},
        FetchCase{"XPosNotANumber", "Maximize=No\r\nXPos=abc\r\nYPos=6\r\n", 0, false,
                  "x=0 y=6 min=0"},
        FetchCase{"XPosIsNotStored", "Maximize=No\r\nXPos=-2147483648\r\nYPos=6\r\n", 0, false,
                  "y=6 min=0"},
        FetchCase{"XPosDecimalAndNegative", "Maximize=No\r\nXPos=-12.9\r\nYPos=1e2\r\n", 0, false,
                  "x=-12 y=100 min=0"},
        FetchCase{"XPosBeyond32Bits", "Maximize=No\r\nXPos=99999999999\r\n", 0, false,
                  "x=2147483647 min=0"},
        FetchCase{"SizeNotAppliedToAFixedWindow",
                  "Maximize=No\r\nXPos=5\r\nYPos=6\r\nWidth=300\r\nHeight=200\r\n", 0, false,
                  "x=5 y=6 min=0"},
        FetchCase{"SizeAppliedToAResizableWindow",
                  "Maximize=No\r\nXPos=5\r\nYPos=6\r\nWidth=300\r\nHeight=200\r\n", 0, true,
                  "x=5 y=6 w=300 h=200 min=0"},
        FetchCase{"MaximizedAfterPositioning", "Maximize=Yes\r\nXPos=5\r\n", 0, false,
                  "x=5 max=1 min=0"},
        FetchCase{"AlreadyMaximized", "Maximize=Yes\r\n", 1, false, "min=0"},
        FetchCase{"RestoredBeforePositioning", "Maximize=No\r\nXPos=5\r\n", 1, false,
                  "max=0 x=5 min=0"},
        FetchCase{"MinimizeYesIsNotANumber", "Maximize=No\r\nMinimize=Yes\r\n", 0, false, "min=0"},
        FetchCase{"MinimizeAsANumber", "Maximize=No\r\nMinimize=1\r\n", 0, false, "min=1"},
        FetchCase{"MinimizeHeldInAByte", "Maximize=No\r\nMinimize=258\r\n", 0, false, "min=2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlacementStoreTest, SectionAndKeysAreFoundWithoutRegardToCase) {
  GivenFile("[MAIN]\r\nmaximize=No\r\nxpos=5\r\n");
  FakeWindow window;
  PlacementStore store;
  store.OpenStore(kFile);
  store.FetchPlacement("Main", window);
  EXPECT_EQ(window.changes, "x=5 min=0");
}

}  // namespace
}  // namespace app
