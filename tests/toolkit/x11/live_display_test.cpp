// Tests that need an X server: they run under the end-to-end harness's Xvfb (which sets
// RENUMERA_E2E) and are skipped elsewhere, so that a developer's own desktop, its clipboard
// among it, is never touched.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "toolkit/native_backend.h"

namespace toolkit::x11 {
namespace {

// One connection for all the tests: libXft 2.3 keeps stale state after a display closes and
// garbles the next one's requests, and a program has only one connection anyway.
class LiveDisplay : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::getenv("RENUMERA_E2E") == nullptr) {
      error_ = "runs in the end-to-end harness's X server";
      return;
    }
    shared_ = CreateNativeBackend(&error_).release();
  }
  static void TearDownTestSuite() {
    delete shared_;
    shared_ = nullptr;
  }
  void SetUp() override {
    if (shared_ == nullptr) GTEST_SKIP() << error_;
    backend_ = shared_;
  }
  void TearDown() override {
    if (backend_ != nullptr) backend_->DestroyWindow();
  }

  static inline Backend* shared_ = nullptr;
  static inline std::string error_;
  Backend* backend_ = nullptr;
};

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

TEST_F(LiveDisplay, ArialHasTheMetricsOfArial) {
  struct Case {
    int points;
    int weight;
    FontMetrics expected;
    int letters_width;
  };
  // Arial at 8, 10 and 12 points at 96 dpi (11, 13 and 16 px).
  const Case cases[] = {
      {8, 400, {10, 3, 13}, 334}, {10, 400, {12, 3, 15}, 397}, {12, 400, {15, 4, 19}, 491}};
  for (const Case& c : cases) {
    const FontHandle font = backend_->CreateFont({"Arial", c.points, c.weight, 204});
    ASSERT_NE(font, 0);
    const FontMetrics metrics = backend_->GetFontMetrics(font);
    EXPECT_EQ(metrics.ascent, c.expected.ascent) << c.points;
    EXPECT_EQ(metrics.descent, c.expected.descent) << c.points;
    EXPECT_EQ(metrics.height, metrics.ascent + metrics.descent) << c.points;
    EXPECT_EQ(backend_->TextWidth(font, kLetters), c.letters_width) << c.points;
    backend_->DestroyFont(font);
  }
}

TEST_F(LiveDisplay, BoldIsWiderThanRegular) {
  const FontHandle regular = backend_->CreateFont({"Arial", 14, 400, 204});
  const FontHandle bold = backend_->CreateFont({"Arial", 14, 700, 204});
  EXPECT_GT(backend_->TextWidth(bold, kLetters), backend_->TextWidth(regular, kLetters));
}

TEST_F(LiveDisplay, TheCharacterSetDecidesWhatTheBytesMean) {
  // 0xB9 is the numero sign in Windows-1251 and a superscript one in Windows-1252.
  const FontHandle cyrillic = backend_->CreateFont({"Arial", 14, 400, 204});
  const FontHandle western = backend_->CreateFont({"Arial", 14, 400, 0});
  EXPECT_GT(backend_->TextWidth(cyrillic, "\xB9"), 2 * backend_->TextWidth(western, "\xB9"));
}

TEST_F(LiveDisplay, WidthsAddUpOverLongTexts) {
  const FontHandle font = backend_->CreateFont({"Arial", 14, 400, 204});
  const std::string one(1, 'W');
  const std::string many(5000, 'W');
  // 16-bit advances would wrap long before 5000 wide letters.
  EXPECT_EQ(backend_->TextWidth(font, many), 5000 * backend_->TextWidth(font, one));
  EXPECT_EQ(backend_->TextWidth(font, ""), 0);
}

TEST_F(LiveDisplay, UnknownFontHandlesMeasureNothing) {
  EXPECT_EQ(backend_->TextWidth(12345, "abc"), 0);
  EXPECT_EQ(backend_->GetFontMetrics(0).height, 0);
}

TEST_F(LiveDisplay, RefusesAWindowOfNoSize) {
  NativeWindowSpec wanted;
  wanted.client_size = {0, 10};
  EXPECT_FALSE(backend_->CreateWindow(wanted));
  wanted.client_size = {100, 50};
  EXPECT_TRUE(backend_->CreateWindow(wanted));
  EXPECT_FALSE(backend_->CreateWindow(wanted)) << "one window at a time";
}

TEST_F(LiveDisplay, WakeForCloseEndsAWaitWithACloseRequest) {
  backend_->WakeForClose();
  const auto message = backend_->WaitMessage(-1);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->kind, MessageKind::CloseRequest);
  EXPECT_FALSE(backend_->WaitMessage(0).has_value());
}

// The window manager carries out moves and state changes in its own time.
bool Eventually(Backend& backend, const std::function<bool()>& condition) {
  for (int i = 0; i < 40 && !condition(); ++i) backend.WaitMessage(50);
  return condition();
}

NativeWindowSpec SmallWindow() {
  NativeWindowSpec wanted;
  wanted.client_size = {120, 40};
  wanted.caption = "Test";
  wanted.class_name = "renumera-live-test";
  return wanted;
}

TEST_F(LiveDisplay, OuterPositionIsTheFramesCornerBeforeAndAfterAMove) {
  ASSERT_TRUE(backend_->CreateWindow(SmallWindow()));
  backend_->SetOuterPosition({60, 40});
  backend_->ShowWindow();
  EXPECT_TRUE(Eventually(*backend_, [&] { return backend_->GetOuterPosition() == Point{60, 40}; }));
  backend_->SetOuterPosition({333, 222});
  EXPECT_TRUE(Eventually(*backend_,
                         [&] {
                           return backend_->GetOuterPosition() == Point{333, 222};
                         }))
      << backend_->GetOuterPosition().x << "," << backend_->GetOuterPosition().y;
}

TEST_F(LiveDisplay, MinimizesAndRestoresThroughTheWindowManager) {
  ASSERT_TRUE(backend_->CreateWindow(SmallWindow()));
  backend_->ShowWindow();
  EXPECT_FALSE(backend_->IsMinimized());
  backend_->SetMinimized(true);
  EXPECT_TRUE(backend_->IsMinimized());
  backend_->SetMinimized(false);
  EXPECT_FALSE(backend_->IsMinimized());
}

TEST_F(LiveDisplay, AWindowMinimizedBeforeItIsShownStartsMinimized) {
  ASSERT_TRUE(backend_->CreateWindow(SmallWindow()));
  backend_->SetMinimized(true);
  backend_->ShowWindow();
  EXPECT_TRUE(Eventually(*backend_, [&] { return backend_->IsMinimized(); }));
}

TEST_F(LiveDisplay, OwnClipboardTextIsPastedWithoutATransfer) {
  NativeWindowSpec wanted;
  wanted.client_size = {100, 50};
  ASSERT_TRUE(backend_->CreateWindow(wanted));
  backend_->SetClipboardText("12-34-56 \xD0\x9F");
  EXPECT_EQ(backend_->GetClipboardText(), "12-34-56 \xD0\x9F");
}

}  // namespace
}  // namespace toolkit::x11
