// Start-up and shutdown against fakes: the order of the steps, what is in force when the main
// window runs, full-window dragging switched off only for the run, and the default icon read
// from the working directory.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/app/fake_os_locale.h"
#include "tests/support/temp_config_home.h"
#include "toolkit/resources.h"
#include "toolkit/settings.h"

namespace app {
namespace {

using Journal = std::vector<std::string>;

class FakeDesktop final : public platform::DesktopSettings {
 public:
  explicit FakeDesktop(Journal& journal) : journal_(journal) {}
  bool query_succeeds = true;
  uint32_t state = 1;

  bool QueryDragFullWindows(uint32_t* out) override {
    journal_.push_back("query drag");
    if (query_succeeds) *out = state;
    return query_succeeds;
  }
  bool SetDragFullWindows(uint32_t new_state, uint32_t flags) override {
    journal_.push_back("set drag " + std::to_string(new_state) + " flags " + std::to_string(flags));
    state = new_state;
    return true;
  }

 private:
  Journal& journal_;
};

// The visual-styles library, which records its loading and its release.
class FakeLibrary final : public platform::DynamicLibrary {
 public:
  explicit FakeLibrary(Journal& journal) : journal_(journal) {}
  ~FakeLibrary() override { journal_.push_back("release library"); }
  void* Function(std::string_view) override { return nullptr; }

 private:
  Journal& journal_;
};

// What was in force when the main window ran.
struct SeenByMain {
  std::string store_file;
  bool store_open = false;
  bool reporter_bound = false;
  unsigned char upper_zhe = 0;
  int default_charset = 0;
  std::size_t icon_images = 0;
};

class Startup : public ::testing::Test {
 protected:
  Startup() : saved_directory_(std::filesystem::current_path()) {
    std::filesystem::current_path(home.Root());
  }
  ~Startup() override {
    std::filesystem::current_path(saved_directory_);
    toolkit::Settings().SetDefaultCharset(0);
    toolkit::Settings().SetDefaultApplicationIcon(std::vector<platform::IconImage>{});
  }

  int Run() {
    return RunProgram({
        .desktop = desktop,
        .os_locale = os_locale,
        .locale = locale,
        .library_loader =
            [this](std::string_view name) {
              journal.push_back("load " + std::string(name));
              return std::make_unique<FakeLibrary>(journal);
            },
        .run_main_window =
            [this](ProcessObjects& objects) {
              journal.push_back("main");
              seen.store_file = objects.store.FileName();
              seen.store_open = objects.store.Sectors().has_value();
              seen.reporter_bound = objects.error_reporter.Report(1, "probe");
              seen.upper_zhe = locale.ToUpper(0xE6);  // 'ж'
              seen.default_charset = toolkit::Settings().DefaultCharset();
              seen.icon_images = toolkit::Settings().DefaultApplicationIcon().size();
              return main_window_shown;
            },
    });
  }

  std::string PlacementFile() {
    return testing_support::ReadBytes(home.SettingsDir() / "Renumera.INI");
  }

  testing_support::TempConfigHome home;
  Journal journal;
  FakeDesktop desktop{journal};
  testing::FakeOsLocale os_locale;
  LocaleTables locale;
  bool main_window_shown = true;
  SeenByMain seen;

 private:
  std::filesystem::path saved_directory_;
};

TEST_F(Startup, RunsItsStepsInOrderAndEndsWithStatusZero) {
  EXPECT_EQ(Run(), kExitSuccess);
  EXPECT_EQ(journal, (Journal{"load uxtheme.dll", "query drag", "set drag 0 flags 3", "main",
                              "set drag 1 flags 3", "release library"}));
  EXPECT_EQ(seen.store_file, "Renumera.INI");
  EXPECT_TRUE(seen.store_open);
  EXPECT_TRUE(seen.reporter_bound);
  EXPECT_EQ(seen.upper_zhe, 0xC6);  // 'Ж': the Russian case table is in force
  EXPECT_EQ(seen.default_charset, 204);
  // The store wrote its reserved list when it was closed, after the main window.
  EXPECT_EQ(PlacementFile(), "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

struct DragCase {
  const char* name;
  bool query_succeeds;
  uint32_t state;
  Journal expected;
};

void PrintTo(const DragCase& drag, std::ostream* out) {
  *out << drag.name;
}

const DragCase kDragCases[] = {
    {"OnIsSwitchedOffForTheRun",
     true,
     1,
     {"query drag", "set drag 0 flags 3", "main", "set drag 1 flags 3"}},
    {"OffIsLeftAlone", true, 0, {"query drag", "main"}},
    {"AFailedQueryCountsAsOff", false, 1, {"query drag", "main"}},
    {"OnlyExactlyOneCountsAsOn", true, 2, {"query drag", "main"}},
};

class StartupDrag : public Startup, public ::testing::WithParamInterface<DragCase> {};

TEST_P(StartupDrag, SwitchesFullWindowDraggingOnlyWhenItWasOn) {
  desktop.query_succeeds = GetParam().query_succeeds;
  desktop.state = GetParam().state;
  Run();
  std::erase(journal, "load uxtheme.dll");
  std::erase(journal, "release library");
  EXPECT_EQ(journal, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(States, StartupDrag, ::testing::ValuesIn(kDragCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Startup, TakesTheDefaultIconFromTheWorkingDirectory) {
  const auto icon = toolkit::FindResource("Emblem_multi.ico");
  testing_support::WriteBytes(
      home.Root() / "Emblem_multi.ico",
      std::string_view(reinterpret_cast<const char*>(icon.data()), icon.size()));
  Run();
  EXPECT_EQ(seen.icon_images, 4u);
}

TEST_F(Startup, AMissingIconFileIsNoError) {
  toolkit::Settings().SetDefaultApplicationIcon(std::vector<platform::IconImage>(1));
  EXPECT_EQ(Run(), kExitSuccess);
  EXPECT_EQ(seen.icon_images, 0u);  // the icon set before is gone
  EXPECT_EQ(journal.back(), "release library");
}

TEST_F(Startup, AMainWindowThatCouldNotBeShownStillShutsDownAndFails) {
  main_window_shown = false;
  EXPECT_EQ(Run(), kExitNoWindow);
  EXPECT_EQ(desktop.state, 1u);
  EXPECT_EQ(PlacementFile(), "[__Dont_Touch_Me__]\r\nSectors=0\r\n");
}

TEST_F(Startup, KeepsTheReservedListOfOtherTools) {
  testing_support::WriteBytes(home.SettingsDir() / "Renumera.INI",
                              "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=A,B,C\r\n");
  Run();
  EXPECT_EQ(PlacementFile(), "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=A,B,C\r\n");
}

}  // namespace
}  // namespace app
