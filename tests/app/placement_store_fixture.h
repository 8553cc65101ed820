// A private settings home and one run of the program's placement steps on a fake window.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

#include "app/placement_store.h"
#include "tests/app/fake_window.h"
#include "tests/support/temp_config_home.h"

namespace app {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

constexpr std::string_view kFile = "Renumera.INI";

// A file as a user might have edited it: comments, blank lines, other sections and keys.
constexpr std::string_view kHandWritten =
    "; Renumera keeps its window here.\r\n"
    "[Fonts]\r\nFace=Tahoma\r\n\r\n"
    "[Main]\r\n; last place on the screen\r\nXPos = 7\r\nMaximize=Yes\r\nCustom=kept\r\n\r\n"
    "[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=List,Box,Format\r\nSectors_9=left alone\r\n";

class PlacementStoreTest : public ::testing::Test {
 protected:
  std::filesystem::path Ini() const { return home_.SettingsDir() / kFile; }
  void GivenFile(std::string_view bytes) const { WriteBytes(Ini(), bytes); }

  // One run of the program: start-up, the window opened and closed, shutdown.
  void Run(FakeWindow& window, const std::function<void(FakeWindow&)>& use = nullptr) {
    PlacementStore store;
    store.OpenStore(kFile);
    store.FetchPlacement("Main", window);
    if (use) use(window);
    store.UpdatePlacement("Main", window);
    store.CloseStore();
  }

  testing_support::TempConfigHome home_;
};

}  // namespace app
