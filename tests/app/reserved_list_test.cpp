// The reserved list of "__Dont_Touch_Me__", the comma fields it is read with, the bound file
// name and the store's lock.
#include <gtest/gtest.h>

#include <thread>

#include "app/placement_store.h"
#include "tests/app/fake_window.h"
#include "tests/support/temp_config_home.h"

namespace app {
namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

constexpr std::string_view kFile = "Renumera.INI";
const std::string kUnknown = "---Unknown---";

class ReservedList : public ::testing::Test {
 protected:
  std::filesystem::path Ini() const { return home_.SettingsDir() / kFile; }
  void GivenReserved(std::string_view lines) const {
    WriteBytes(Ini(), "[__Dont_Touch_Me__]\r\n" + std::string(lines));
  }
  std::vector<SectorRecord> Opened() {
    store_.OpenStore(kFile);
    return store_.Sectors().value_or(std::vector<SectorRecord>{{"released", "", ""}});
  }

  testing_support::TempConfigHome home_;
  PlacementStore store_;
};

TEST_F(ReservedList, NoFileReadsAnEmptyListAndWritesACountOfZero) {
  EXPECT_EQ(Opened(), std::vector<SectorRecord>{});
  store_.CloseStore();
  EXPECT_EQ(ReadBytes(Ini()), "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

TEST_F(ReservedList, CountWithoutItsKeysReadsUnknownRecordsAndWritesThemBack) {
  GivenReserved("Sectors=2\r\n");
  const SectorRecord unknown{kUnknown, kUnknown, kUnknown};
  EXPECT_EQ(Opened(), (std::vector<SectorRecord>{unknown, unknown}));
  store_.CloseStore();
  const std::string three = kUnknown + "," + kUnknown + "," + kUnknown;
  EXPECT_EQ(ReadBytes(Ini()), "[__Dont_Touch_Me__]\r\nSectors=2\r\nSectors_1=" + three +
                                  "\r\nSectors_2=" + three + "\r\n");
}

TEST_F(ReservedList, KeysBeyondTheCountStayAsTheyWere) {
  const std::string file =
      "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=List,Box,Format\r\nSectors_2=x,y,z\r\n";
  WriteBytes(Ini(), file);
  EXPECT_EQ(Opened(), (std::vector<SectorRecord>{{"List", "Box", "Format"}}));
  store_.CloseStore();
  EXPECT_EQ(ReadBytes(Ini()), file);
}

TEST_F(ReservedList, HandEditsDuringTheRunAreOverwrittenByTheListReadAtStartUp) {
  GivenReserved("Sectors=1\r\nSectors_1=a,b,c\r\n");
  Opened();
  GivenReserved("Sectors=3\r\nSectors_1=changed\r\nSectors_3=new\r\n");
  store_.CloseStore();
  EXPECT_EQ(ReadBytes(Ini()),
            "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=a,b,c\r\nSectors_3=new\r\n");
}

TEST_F(ReservedList, CountsThatAreNoPositiveNumberReadNothing) {
  for (const char* count : {"0", "-3", "abc", "", "0.9"}) {
    GivenReserved(std::string("Sectors=") + count + "\r\nSectors_1=a,b,c\r\n");
    PlacementStore store;
    store.OpenStore(kFile);
    EXPECT_EQ(store.Sectors(), std::vector<SectorRecord>{}) << count;
    store.CloseStore();
    EXPECT_EQ(ReadBytes(Ini()), "[__Dont_Touch_Me__]\r\nSectors=0\r\nSectors_1=a,b,c\r\n");
  }
}

TEST_F(ReservedList, HugeCountIsBounded) {
  GivenReserved("Sectors=1e30\r\n");
  EXPECT_EQ(Opened().size(), static_cast<std::size_t>(PlacementStore::kSectorsLimit));
}

// Records come apart at the commas; one with too few fields repeats its last one, so that
// writing it back and reading it again gives the same record.
TEST_F(ReservedList, RecordsAreCommaFieldsOfAtMost99Characters) {
  const std::string long_field(150, 'L');
  GivenReserved(
      "Sectors=6\r\nSectors_1=a,b\r\nSectors_2=only\r\nSectors_3=a,b,c,d\r\n"
      "Sectors_4=a,,\r\nSectors_5=\r\nSectors_6=" +
      long_field + "," + long_field + "," + long_field + "\r\n");
  const std::string cut(99, 'L');
  const std::vector<SectorRecord> expected = {{"a", "b", "b"}, {"only", "only", "only"},
                                              {"a", "b", "c"}, {"a", "", ""},
                                              {"", "", ""},    {cut, cut, cut}};
  EXPECT_EQ(Opened(), expected);

  store_.CloseStore();
  PlacementStore again;
  again.OpenStore(kFile);
  EXPECT_EQ(again.Sectors(), expected);
}

// A record with blanks or matching quotes at the ends of its joined text would lose them on
// the next read; it is written inside quotes instead. Plain records are written as they are.
TEST_F(ReservedList, RecordsAReadWouldChangeAreQuotedSoTheyReadBackUnchanged) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"'a,x,a'\"", "\"'a,x,a'\""}, {"\"\"q\",x,\"q\"\"", "\"\"q\",x,\"q\"\""},
      {"\"a,b,c \"", "\"a,b,c \""},   {"\"\ta,b,c\"", "\"\ta,b,c\""},
      {"'a',b,c", "'a',b,c"},         {"a,b,c", "a,b,c"},
  };
  for (const auto& [stored, written] : cases) {
    GivenReserved("Sectors=1\r\nSectors_1=" + stored + "\r\n");
    PlacementStore store;
    store.OpenStore(kFile);
    const auto read = store.Sectors();
    store.CloseStore();
    EXPECT_EQ(ReadBytes(Ini()), "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=" + written + "\r\n")
        << stored;
    PlacementStore again;
    again.OpenStore(kFile);
    EXPECT_EQ(again.Sectors(), read) << stored;
  }
}

TEST_F(ReservedList, CloseStoreWritesOnlyOnce) {
  Opened();
  store_.CloseStore();
  GivenReserved("Sectors=5\r\n");
  store_.CloseStore();
  EXPECT_EQ(store_.Sectors(), std::nullopt);
  EXPECT_EQ(ReadBytes(Ini()), "[__Dont_Touch_Me__]\r\nSectors=5\r\n");
}

TEST_F(ReservedList, ReadFieldCountsFromOneWithinTheFirst999Characters) {
  const std::string tail = std::string(995, 'x') + ",abcdef";  // the comma is character 996
  WriteBytes(Ini(), "[S]\r\nK=one,two,,four\r\nLong=" + tail + "\r\n");
  store_.OpenStore(kFile);
  const std::pair<int, std::string> fields[] = {{1, "one"},  {2, "two"}, {3, ""}, {4, "four"},
                                                {5, "four"}, {0, ""},    {-1, ""}};
  for (const auto& [n, expected] : fields) EXPECT_EQ(store_.ReadField("S", "K", n), expected) << n;
  EXPECT_EQ(store_.ReadField("S", "Long", 2), "abc");
  EXPECT_EQ(store_.ReadField("S", "Missing", 2), kUnknown);
}

TEST_F(ReservedList, FileNameIsCutTo259Characters) {
  const std::string name = (home_.Root() / std::string(300, 'n')).string();
  store_.OpenStore(name);
  EXPECT_EQ(store_.FileName(), name.substr(0, 259));
}

TEST_F(ReservedList, WrittenValuesAreCutTo1023Characters) {
  store_.OpenStore(kFile);
  store_.WriteValue("S", "K", std::string(2000, 'v'));
  EXPECT_EQ(ReadBytes(Ini()), "[S]\r\nK=" + std::string(1023, 'v') + "\r\n");
  store_.DeleteValue("S", "K");
  EXPECT_EQ(ReadBytes(Ini()), "[S]\r\n");
}

TEST_F(ReservedList, StoreWithoutAFileReadsDefaultsAndWritesNothing) {
  FakeWindow window;
  store_.FetchPlacement("Main", window);
  store_.UpdatePlacement("Main", window);
  store_.CloseStore();
  EXPECT_EQ(window.changes, "");
  EXPECT_EQ(store_.ReadValue("Main", "XPos", "d"), "d");
  EXPECT_FALSE(std::filesystem::exists(home_.SettingsDir()));
}

// While an operation works on the window, no other thread can take the store's lock; the
// thread working on the window can, as the lock is re-entrant.
TEST_F(ReservedList, OperationsHoldTheLockForTheirWholeRun) {
  WriteBytes(Ini(), "[Main]\r\nMaximize=No\r\nXPos=5\r\nYPos=6\r\n");
  store_.OpenStore(kFile);
  FakeWindow window;
  std::vector<bool> others_could_lock;
  window.on_change = [&] {
    EXPECT_EQ(store_.ReadValue("Main", "XPos", ""), "5");
    std::thread([&] {
      const bool locked = store_.CRITSECT.try_lock();
      if (locked) store_.CRITSECT.unlock();
      others_could_lock.push_back(locked);
    }).join();
  };
  store_.FetchPlacement("Main", window);
  EXPECT_EQ(others_could_lock, std::vector<bool>(3, false));

  window.on_change = nullptr;
  bool locked_after = false;
  std::thread([&] {
    locked_after = store_.CRITSECT.try_lock();
    if (locked_after) store_.CRITSECT.unlock();
  }).join();
  EXPECT_TRUE(locked_after);
}

}  // namespace
}  // namespace app
