// The main window's open and close steps: the thread's codes, the error reporter's procedure
// name, the placement in the INI file, the visual style, and Main from start to end.
#include <map>

#include "tests/window/main_window_fixture.h"
#include "toolkit/thread_request_codes.h"

namespace window::testing {
namespace {

using testing_support::WriteBytes;

TEST_F(MainWindowTest, TheWindowIsNamedMainWhileItIsOpen) {
  reporter.EnterProcedure("Caller");
  backend.PushText("1");
  backend.PushKey(toolkit::Key::Tab);
  Run();
  EXPECT_EQ(controller.procedures, (std::vector<std::string>{"Main", "Main"}));
  EXPECT_EQ(reporter.Procedures(), std::vector<std::string>{"Caller"});
}

TEST_F(MainWindowTest, TakesAndClearsTheThreadsCodesAndLeavesCancelledAsItsResult) {
  toolkit::ThreadRequestCodes& codes = toolkit::ThisThreadRequestCodes();
  codes.request_code = 7;
  codes.response_code = 9;
  codes.navigation_request = 1234;
  EXPECT_EQ(Run(), toolkit::kResponseCancelled);
  EXPECT_EQ(controller.REQUEST, 7);
  EXPECT_EQ(controller.RESPONSE, 0);
  EXPECT_EQ(codes.request_code, 0);
  EXPECT_EQ(codes.response_code, toolkit::kResponseCancelled);
  EXPECT_EQ(controller.NavigationRequest(), &codes.navigation_request);
  EXPECT_EQ(codes.navigation_request, 1234);
  codes = {};
}

// The headless window's frame opens at (100, 80) pixels; its font gives base units of 8 x 16
// pixels, so one dialog unit is 2 pixels across and 2 pixels down.
TEST_F(MainWindowTest, TheFirstRunSavesThePositionWithoutASize) {
  Run();
  EXPECT_EQ(PlacementFile(), "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=50\r\nYPos=40\r\n");
}

TEST_F(MainWindowTest, OpensAtTheSavedPositionAndSavesWhereItWasLeft) {
  WriteBytes(home.SettingsDir() / "Renumera.INI",
             "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=30\r\nYPos=20\r\nWidth=999\r\n");
  Open();
  backend.PushTimeout();
  Run();
  EXPECT_EQ(controller.OPENED, 1);
  EXPECT_EQ(window.SizeDlu(), (toolkit::Size{134, 53}));  // the stored width is not applied
  EXPECT_EQ(backend.GetOuterPosition(), (toolkit::Point{60, 40}));
  EXPECT_EQ(PlacementFile(), "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=30\r\nYPos=20\r\n");
}

// The 268 x 106 pixel window on the headless 1024 x 768 screen keeps a grip of its title bar
// on the screen with its frame's left edge from -228 to 984 and its top from -10 to 758.
TEST_F(MainWindowTest, OpensWithinReachAndSavesWhereItWas) {
  struct Case {
    const char* name;
    std::string stored;  // the keys after Maximize and Minimize
    std::vector<toolkit::Rect> work_areas;
    toolkit::Point opened;  // pixels
    std::string saved;
  };
  const std::vector<toolkit::Rect> screen = {{0, 0, 1024, 768}};
  const Case cases[] = {
      {"far off", "XPos=90000\r\nYPos=90000\r\n", screen, {984, 758}, "XPos=492\r\nYPos=379\r\n"},
      {"large negative",
       "XPos=-90000\r\nYPos=-90000\r\n",
       screen,
       {-228, -10},
       "XPos=-114\r\nYPos=-5\r\n"},
      // Positions whose pixels pass the range of int convert to -1, as MulDiv gives them.
      {"beyond the range of pixels",
       "XPos=2147483647\r\nYPos=-2147483647\r\n",
       screen,
       {-1, -1},
       "XPos=-1\r\nYPos=-1\r\n"},
      {"just inside the bottom-right edge",
       "XPos=490\r\nYPos=378\r\n",
       screen,
       {980, 756},
       "XPos=490\r\nYPos=378\r\n"},
      {"far off to the right, the default height kept",
       "XPos=90000\r\n",
       screen,
       {984, 80},
       "XPos=492\r\nYPos=40\r\n"},
      {"on a second monitor",
       "XPos=700\r\nYPos=300\r\n",
       {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}},
       {1400, 600},
       "XPos=700\r\nYPos=300\r\n"},
      {"on a second monitor since unplugged",
       "XPos=700\r\nYPos=300\r\n",
       screen,
       {984, 600},
       "XPos=492\r\nYPos=300\r\n"},
      {"a panel along the bottom",
       "XPos=100\r\nYPos=375\r\n",
       {{0, 0, 1024, 728}},
       {200, 718},
       "XPos=100\r\nYPos=359\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string head = "[Main]\r\nMaximize=No\r\nMinimize=No\r\n";
    WriteBytes(home.SettingsDir() / "Renumera.INI", head + c.stored);
    // A backend and window of its own for each run, as each start of the program has.
    toolkit::headless::HeadlessBackend run_backend;
    run_backend.SetWorkAreas(c.work_areas);
    MainServices run_services{run_backend, store, reporter, visual_styles, locale};
    MainVariables run_variables;
    toolkit::Window run_window{run_backend, MainWindowDefinition,
                               MainEntryFactory(run_variables, locale)};
    toolkit::VisualStyleAdapter run_adapter;
    MainWindow run_controller{run_window, run_services, run_variables, run_adapter};
    run_backend.PushTimeout();
    run_backend.PushCloseRequest();
    run_controller.Run();
    EXPECT_EQ(run_backend.GetOuterPosition(), c.opened);
    EXPECT_EQ(PlacementFile(), head + c.saved);
  }
}

TEST_F(MainWindowTest, AWindowClosedMinimizedKeepsNoPosition) {
  Open();
  backend.SetMinimized(true);
  Run();
  EXPECT_EQ(PlacementFile(), "[Main]\r\nMaximize=No\r\nMinimize=Yes\r\n");
}

TEST_F(MainWindowTest, ATerminationRequestClosesAsTheWindowManagerDoesAndSaves) {
  backend.PushText("123456");
  backend.WakeForClose();  // what the signal handler does
  Run(/*close_at_end=*/false);
  EXPECT_TRUE(controller.accepted.empty());
  // Nothing was taken: neither the activation on showing nor the twelve key messages.
  EXPECT_EQ(backend.PendingMessages(), 13u);
  EXPECT_EQ(PlacementFile(), "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=50\r\nYPos=40\r\n");
}

// A visual-styles library with every function, reporting its styles as active and applied.
class ThemedLibrary final : public platform::DynamicLibrary {
 public:
  void* Function(std::string_view name) override {
    if (name == "IsThemeActive" || name == "IsAppThemed") return reinterpret_cast<void*>(&Yes);
    return &any_function_;
  }

 private:
  static int Yes() { return 1; }
  int any_function_ = 0;
};

class ThemedMainWindow : public MainWindowTest {
 protected:
  ThemedMainWindow()
      : MainWindowTest([](std::string_view) { return std::make_unique<ThemedLibrary>(); }) {}
};

TEST_F(ThemedMainWindow, GivesBothFieldsTheVisualStyle) {
  Run();
  EXPECT_TRUE(adapter.IsAttached());
  EXPECT_EQ(adapter.AdaptedControls(), (std::vector<int>{kOldNum, kNewNum}));
  EXPECT_EQ(window.ControlAt(kNewNum)->Background(), (toolkit::Color{255, 255, 255}));
  EXPECT_EQ(window.BackgroundColor(), toolkit::kButtonFace);
}

TEST_F(MainWindowTest, StaysClassicWithoutVisualStyles) {
  Run();
  EXPECT_FALSE(adapter.IsAttached());
  EXPECT_EQ(window.ControlAt(kNewNum)->Background(), toolkit::kButtonFace);
}

TEST_F(MainWindowTest, MainRunsTheWindowFromCreationToDestruction) {
  backend.PushText("123456");
  backend.PushKey(toolkit::Key::Enter);
  EXPECT_TRUE(Main(services));
  EXPECT_EQ(toolkit::ThisThreadRequestCodes().response_code, toolkit::kResponseCancelled);
  EXPECT_FALSE(backend.HasWindow());
  EXPECT_EQ(backend.LiveFonts(), 0);
  EXPECT_TRUE(backend.ScriptExhausted());
  EXPECT_EQ(PlacementFile(), "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=50\r\nYPos=40\r\n");
  EXPECT_TRUE(reporter.Procedures().empty());
  toolkit::ThisThreadRequestCodes() = {};
}

TEST_F(MainWindowTest, MainReportsAWindowThatCouldNotBeOpenedAndSavesNothing) {
  backend.RefuseNextWindow();
  EXPECT_FALSE(Main(services));
  EXPECT_FALSE(std::filesystem::exists(home.SettingsDir() / "Renumera.INI"));
  EXPECT_TRUE(reporter.Procedures().empty());
  toolkit::ThisThreadRequestCodes() = {};
}

}  // namespace
}  // namespace window::testing
