// Building and opening a window: fonts, icons, what it shows, the caret, the clipboard and
// its placement in dialog units.
#include "toolkit/window.h"

#include <gtest/gtest.h>

#include "tests/toolkit/window_harness.h"
#include "toolkit/icons.h"
#include "toolkit/settings.h"

namespace toolkit::testing {
namespace {

class SettingsRestorer : public ::testing::Test {
 protected:
  ~SettingsRestorer() override { Settings() = saved_; }
  ToolkitSettings saved_ = Settings();
};

using Building = SettingsRestorer;

TEST_F(Building, EachControlGetsTheWindowFontWithItsOverrides) {
  Settings().SetDefaultCharset(204);
  WindowHarness h;
  ASSERT_TRUE(h.Open());
  const auto wanted = [&](int number) {
    return h.backend.FontSpecOf(h.window.ControlAt(number)->Font());
  };
  EXPECT_EQ(wanted(kLabel1), (FontSpec{"Arial", 14, 700, 204}));
  EXPECT_EQ(wanted(kField1), (FontSpec{"Arial", 14, 700, 0}));
  EXPECT_EQ(wanted(kImage1), (FontSpec{"Arial", 14, 400, 204}));
  EXPECT_EQ(wanted(kField2), (FontSpec{"Arial", 14, 400, 204}));
  EXPECT_EQ(wanted(kNote), (FontSpec{"Tahoma", 7, 400, 0}));
  // Equal requests share one font: window, bold, bold Western, small.
  EXPECT_EQ(h.backend.LiveFonts(), 4);
  EXPECT_EQ(h.window.ControlAt(kLabel1)->TextColor(), (Color{255, 0, 0}));
  EXPECT_EQ(h.window.ControlAt(kField2)->TextColor(), kWindowText);
  EXPECT_EQ(h.window.CodePage(), platform::CodePage::Windows1251);
  h.window.Close();
  EXPECT_EQ(h.backend.LiveFonts(), 0);
  EXPECT_FALSE(h.backend.HasWindow());
}

TEST_F(Building, AFontWithoutACharacterSetTakesTheDefaultOne) {
  constexpr WindowDefinition kPlain{.client_size = {20, 10}, .font = {.face = "Arial"}};
  for (const int charset : {0, 204}) {
    Settings().SetDefaultCharset(charset);
    headless::HeadlessBackend backend;
    Window window(backend, kPlain);
    ASSERT_TRUE(window.Open());
    EXPECT_EQ(backend.FontSpecOf(1).charset, charset);
    EXPECT_EQ(window.CodePage(), platform::CodePageOfCharset(charset));
  }
}

TEST_F(Building, TheWindowIconFallsBackToTheDefaultApplicationIconThenTheBuiltInOne) {
  Settings().SetDefaultApplicationIcon(std::vector<platform::IconImage>{});
  {
    WindowHarness h;  // its icon resource does not exist
    ASSERT_TRUE(h.Open());
    EXPECT_EQ(h.backend.WindowSpec().icons.size(), BuiltInDefaultIcon().size());
    EXPECT_EQ(h.backend.WindowSpec().icons[0].argb, BuiltInDefaultIcon()[0].argb);
  }
  const platform::IconImage red{2, 2, 32, {0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000}};
  Settings().SetDefaultApplicationIcon(std::vector{red});
  WindowHarness h;
  ASSERT_TRUE(h.Open());
  ASSERT_EQ(h.backend.WindowSpec().icons.size(), 1u);
  EXPECT_EQ(h.backend.WindowSpec().icons[0].argb, red.argb);
}

TEST_F(Building, BuiltInIconsForTheWindowAndItsImages) {
  static constexpr ControlDefinition kImage[] = {
      {.number = 1, .kind = ControlKind::Image, .at = {4, 4}, .content = "down.ico"}};
  static constexpr WindowDefinition kWithIcons{.client_size = {40, 40},
                                               .font = {.face = "Arial", .charset = 204},
                                               .icon = "Emblem_multi.ico",
                                               .background = kButtonFace,
                                               .controls = kImage};
  headless::HeadlessBackend backend;
  Window window(backend, kWithIcons);
  ASSERT_TRUE(window.Open());
  const auto own = IconResource("Emblem_multi.ico");
  ASSERT_TRUE(own.has_value());
  EXPECT_EQ(backend.WindowSpec().icons.size(), own->size());
  EXPECT_EQ(backend.WindowSpec().icons[0].argb, (*own)[0].argb);

  // The image takes the size of its icon at the standard icon size, and shows it.
  const Rect bounds = window.ControlAt(1)->Bounds();
  EXPECT_EQ(bounds, (Rect{8, 8, kStandardIconSize, kStandardIconSize}));
  window.PaintPending();
  int drawn = 0;
  for (int y = bounds.y; y < bounds.y + bounds.height; ++y) {
    for (int x = bounds.x; x < bounds.x + bounds.width; ++x) {
      drawn += backend.PixelAt({x, y}) != kButtonFace;
    }
  }
  EXPECT_GT(drawn, 100);
}

TEST_F(Building, TheNativeWindowGetsCaptionSizeAndBackground) {
  WindowHarness h;
  ASSERT_TRUE(h.Open());
  const NativeWindowSpec& wanted = h.backend.WindowSpec();
  EXPECT_EQ(wanted.caption, "Test window");
  EXPECT_EQ(wanted.class_name, "test");
  EXPECT_EQ(wanted.client_size, (Size{268, 106}));
  EXPECT_EQ(wanted.background, kButtonFace);
  EXPECT_TRUE(h.backend.IsShown());
}

TEST_F(Building, AnEntryFactoryThatMakesNothingFailsTheOpening) {
  headless::HeadlessBackend backend;
  Window window(backend, kDefinition,
                [](ControlHost&, const ControlSetup&, const ControlDefinition&) {
                  return std::unique_ptr<EntryControl>();
                });
  EXPECT_FALSE(window.Open());
  EXPECT_FALSE(backend.HasWindow());
  EXPECT_EQ(backend.LiveFonts(), 0);
}

class OpenWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.Open());
    h.controller.on_accepted = [](RecordingController&) { return 0; };
  }
  void RunScript() {
    h.backend.PushCloseRequest();
    h.Run();
    h.window.PaintPending();
  }
  WindowHarness h;
};

TEST_F(OpenWindow, ShowsEveryControlAndRedisplaysVariablesAfterEachEvent) {
  h.first = "12";
  h.controller.on_accepted = [&](RecordingController&) {
    h.second = "changed";  // the redisplay after the event shows it
    return 0;
  };
  h.backend.PushKey(Key::Enter);
  RunScript();
  EXPECT_EQ(h.backend.TextIn(h.Bounds(kLabel1)), "OLD:");
  EXPECT_EQ(h.backend.TextIn(h.Bounds(kNote)), "(c)");
  EXPECT_EQ(h.backend.TextIn(h.Bounds(kField1)), "12");
  EXPECT_EQ(h.backend.TextIn(h.Bounds(kField2)), "changed");
  EXPECT_EQ(h.backend.PixelAt({1, 1}), kButtonFace);
  EXPECT_EQ(h.backend.CharsIn(h.Bounds(kLabel1))[0].color, (Color{255, 0, 0}));
}

TEST_F(OpenWindow, AnExposeDrawsEverythingAgain) {
  RunScript();
  h.backend.FillRect({0, 0, 268, 106}, Color{1, 2, 3});
  h.backend.PushExpose();
  h.window.ProcessNextMessage();
  h.window.PaintPending();
  EXPECT_EQ(h.backend.PixelAt({1, 1}), kButtonFace);
  EXPECT_EQ(h.backend.TextIn(h.Bounds(kLabel2)), "NEW:");
}

TEST_F(OpenWindow, TheCaretBlinksOnTimeoutsAndShowsAgainOnInput) {
  RunScript();
  EXPECT_TRUE(h.window.CaretVisible());
  h.backend.PushTimeout();
  h.window.ProcessNextMessage();
  EXPECT_FALSE(h.window.CaretVisible());
  h.backend.PushTimeout();
  h.window.ProcessNextMessage();
  EXPECT_TRUE(h.window.CaretVisible());
  h.backend.PushTimeout();
  h.backend.PushKeyDown(Key::Other, 0, "1");
  h.window.ProcessNextMessage();
  h.window.ProcessNextMessage();
  EXPECT_TRUE(h.window.CaretVisible());
  h.backend.PushDeactivated();
  h.window.ProcessNextMessage();
  EXPECT_FALSE(h.window.CaretVisible());
}

TEST_F(OpenWindow, TheClipboardHoldsUtf8AndGivesTheWindowsCodePage) {
  RunScript();
  h.first = "\xCD\xEE\xEC\xE5\xF0";  // "Номер" in Windows-1251
  h.window.RefreshAll();
  h.backend.PushKeyDown(Key::C, kControl, "\x03");
  h.window.ProcessNextMessage();
  EXPECT_EQ(h.backend.Clipboard(), "Номер");

  // What the window's code page cannot hold is dropped on the way in.
  h.backend.SetClipboardFromOutside("Ё-é€");
  h.backend.PushKeyDown(Key::V, kControl, "\x16");
  h.window.ProcessNextMessage();
  EXPECT_EQ(h.Entry(kField1).Text(), "\xA8-\x88");  // it replaced the selected text
}

TEST_F(OpenWindow, PlacementIsTheOuterCornerInDialogUnits) {
  RunScript();
  EXPECT_EQ(h.window.PositionDlu(), (Point{50, 40}));  // 100, 80 px with base units 8 x 16
  h.window.SetPositionDlu({-3, 7});
  EXPECT_EQ(h.backend.GetOuterPosition(), (Point{-6, 14}));
  h.backend.SetOuterPosition({101, 87});
  EXPECT_EQ(h.window.PositionDlu(), (Point{51, 44}));  // 50.5 and 43.5 round away from 0
  h.window.SetHorizontalPositionDlu(10);  // the vertical 87 px stays, unrounded
  EXPECT_EQ(h.backend.GetOuterPosition(), (Point{20, 87}));
  h.window.SetVerticalPositionDlu(10);
  EXPECT_EQ(h.backend.GetOuterPosition(), (Point{20, 20}));
  EXPECT_EQ(h.window.SizeDlu(), (Size{134, 53}));
  EXPECT_FALSE(h.window.IsMinimized());
  h.window.SetMinimized(true);
  EXPECT_TRUE(h.window.IsMinimized());
  h.window.SetMaximized(true);
  EXPECT_FALSE(h.window.IsMaximized());
  EXPECT_FALSE(h.window.IsResizable());
}

TEST_F(OpenWindow, TheBackBufferSwitch) {
  EXPECT_TRUE(h.backend.BackBuffer());
  h.window.SetBackBuffer(false);
  EXPECT_FALSE(h.backend.BackBuffer());
}

}  // namespace
}  // namespace toolkit::testing
