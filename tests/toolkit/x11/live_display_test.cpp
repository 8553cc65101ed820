// Tests that need an X server: they run under the end-to-end harness's Xvfb (which sets
// RENUMERA_E2E) and are skipped elsewhere, so that a developer's own desktop, its clipboard
// among it, is never touched.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "toolkit/native_backend.h"
#include "toolkit/x11/xlib.h"

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

// Root-window properties and RandR monitors set from a connection of the test's own, each put
// back as it was when the test ends, so that later cases find the harness's desktop again.
class RootChanges {
 public:
  RootChanges() : display_(XOpenDisplay(nullptr)) {}
  ~RootChanges() {
    if (display_ == nullptr) return;
    for (Atom monitor : monitors_) XRRDeleteMonitor(display_, Root(), monitor);
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) SetCardinals(it->first, it->second);
    XSync(display_, False);
    XCloseDisplay(display_);
  }
  bool Ready() const { return display_ != nullptr; }

  void Set(const char* name, const std::vector<long>& items) {
    const Atom property = XInternAtom(display_, name, False);
    saved_.emplace_back(property, Cardinals(property));
    SetCardinals(property, items);
  }
  // The window manager hears of a new monitor and sets the work area anew; the call returns
  // once it has, so that properties set after it are not overwritten.
  void AddMonitor(const Rect& rect) {
    const Atom work_area = XInternAtom(display_, "_NET_WORKAREA", False);
    XSelectInput(display_, Root(), PropertyChangeMask);
    XRRMonitorInfo* monitor = XRRAllocateMonitor(display_, 0);
    monitor->name = XInternAtom(display_, "RENUMERA_TEST_MONITOR", False);
    monitor->x = rect.x;
    monitor->y = rect.y;
    monitor->width = rect.width;
    monitor->height = rect.height;
    monitor->mwidth = rect.width / 4;  // millimetres at about 100 dpi
    monitor->mheight = rect.height / 4;
    XRRSetMonitor(display_, Root(), monitor);
    monitors_.push_back(monitor->name);
    XFree(monitor);
    XSync(display_, False);
    for (int i = 0; i < 100; ++i) {
      while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == PropertyNotify && event.xproperty.atom == work_area) return;
      }
      usleep(20000);
    }
  }

 private:
  Window Root() const { return DefaultRootWindow(display_); }
  std::vector<long> Cardinals(Atom property) {
    std::vector<long> items;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, Root(), property, 0, 4096, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
      const long* values = reinterpret_cast<const long*>(data);
      if (format == 32) items.assign(values, values + count);
      XFree(data);
    }
    return items;
  }
  void SetCardinals(Atom property, const std::vector<long>& items) {
    if (items.empty()) {
      XDeleteProperty(display_, Root(), property);
    } else {
      XChangeProperty(display_, Root(), property, XA_CARDINAL, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(items.data()),
                      static_cast<int>(items.size()));
    }
    XSync(display_, False);
  }

  Display* display_;
  std::vector<std::pair<Atom, std::vector<long>>> saved_;
  std::vector<Atom> monitors_;
};

// The harness's Xvfb has one 1024 x 768 monitor, and openbox gives the whole screen to windows.
TEST_F(LiveDisplay, MonitorWorkAreasAreTheMonitorsCutToTheCurrentDesktopsWorkArea) {
  const auto areas = [this] {
    std::vector<Rect> found = backend_->MonitorWorkAreas();
    std::sort(found.begin(), found.end(), [](const Rect& a, const Rect& b) { return a.x < b.x; });
    return found;
  };
  EXPECT_EQ(areas(), (std::vector<Rect>{{0, 0, 1024, 768}}));
  RootChanges root;
  ASSERT_TRUE(root.Ready());
  // A second monitor over the right half.
  root.AddMonitor({512, 0, 512, 768});
  EXPECT_EQ(areas(), (std::vector<Rect>{{0, 0, 1024, 768}, {512, 0, 512, 768}}));
  // A panel along the bottom of the second desktop, the current one.
  root.Set("_NET_WORKAREA", {0, 0, 1024, 768, 0, 0, 1024, 738});
  root.Set("_NET_CURRENT_DESKTOP", {1});
  EXPECT_EQ(areas(), (std::vector<Rect>{{0, 0, 1024, 738}, {512, 0, 512, 738}}));
  // A current desktop the work area does not cover leaves the monitors whole.
  root.Set("_NET_CURRENT_DESKTOP", {7});
  EXPECT_EQ(areas(), (std::vector<Rect>{{0, 0, 1024, 768}, {512, 0, 512, 768}}));
}

}  // namespace
}  // namespace toolkit::x11
