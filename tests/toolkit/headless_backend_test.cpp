// The headless backend's record of the client area and its script.
#include "toolkit/headless/headless_backend.h"

#include <gtest/gtest.h>

namespace toolkit::headless {
namespace {

class Picture : public ::testing::Test {
 protected:
  void SetUp() override {
    NativeWindowSpec wanted;
    wanted.client_size = {100, 40};
    wanted.background = {9, 9, 9};
    ASSERT_TRUE(backend.CreateWindow(wanted));
    font = backend.CreateFont({"Arial", 8, 400, 0});
  }
  HeadlessBackend backend;
  FontHandle font = 0;
};

TEST_F(Picture, TextShowsUntilSomethingCoversIt) {
  backend.DrawText(font, {10, 4}, "ab cd", {1, 2, 3});
  EXPECT_EQ(backend.TextIn({0, 0, 100, 40}), "ab cd");
  EXPECT_EQ(backend.TextIn({10, 4, 16, 16}), "ab");  // cells whose centres lie inside
  // Drawing over a character replaces it; a thin line through its cell does not.
  backend.DrawText(font, {18, 4}, "X", {1, 2, 3});
  backend.FillRect({10, 4, 100, 1}, {0, 0, 0});
  EXPECT_EQ(backend.TextIn({0, 0, 100, 40}), "aX cd");
  backend.FillRect({34, 0, 16, 40}, {5, 5, 5});
  EXPECT_EQ(backend.TextIn({0, 0, 100, 40}), "aX ");
  EXPECT_EQ(backend.PixelAt({40, 10}), (Color{5, 5, 5}));
  EXPECT_EQ(backend.PixelAt({0, 39}), (Color{9, 9, 9}));
}

TEST_F(Picture, DrawingOutsideTheClientAreaIsClipped) {
  backend.FillRect({-50, -50, 1000, 1000}, {7, 7, 7});
  backend.DrawText(font, {96, 30}, "long text", {1, 1, 1});
  EXPECT_EQ(backend.PixelAt({99, 39}), (Color{7, 7, 7}));
  EXPECT_EQ(backend.TextIn({0, 0, 100, 40}), "");  // no cell centre inside
  platform::IconImage icon{2, 1, 32, {0xFF112233, 0x10FFFFFF}};
  backend.DrawIcon(icon, {99, 0});
  EXPECT_EQ(backend.PixelAt({99, 0}), (Color{0x11, 0x22, 0x33}));
}

TEST(HeadlessBackend, RefusesWindowsNoScreenHolds) {
  HeadlessBackend backend;
  NativeWindowSpec wanted;
  wanted.client_size = {0, 10};
  EXPECT_FALSE(backend.CreateWindow(wanted));
  wanted.client_size = {100000, 10};
  EXPECT_FALSE(backend.CreateWindow(wanted));
}

TEST(HeadlessBackend, TheScriptInOrderThenACloseRequest) {
  HeadlessBackend backend;
  backend.PushKey(Key::A, kShift, "A");
  backend.PushTimeout();
  EXPECT_EQ(backend.WaitMessage(-1)->kind, MessageKind::KeyDown);
  EXPECT_EQ(backend.WaitMessage(-1)->kind, MessageKind::KeyUp);
  EXPECT_FALSE(backend.WaitMessage(500).has_value());
  EXPECT_FALSE(backend.ScriptExhausted());
  EXPECT_EQ(backend.WaitMessage(-1)->kind, MessageKind::CloseRequest);
  EXPECT_TRUE(backend.ScriptExhausted());
  EXPECT_EQ(backend.MessagesTaken(), 3);
}

TEST(HeadlessBackend, WakeForCloseJumpsTheQueue) {
  HeadlessBackend backend;
  backend.PushText("x");
  backend.WakeForClose();
  EXPECT_EQ(backend.WaitMessage(-1)->kind, MessageKind::CloseRequest);
  EXPECT_EQ(backend.WaitMessage(-1)->kind, MessageKind::KeyDown);
}

}  // namespace
}  // namespace toolkit::headless
