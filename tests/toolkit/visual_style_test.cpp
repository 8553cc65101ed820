// Visual-style support against a fake visual-styles library, and the adapter that follows
// from it.
#include <gtest/gtest.h>

#include <map>

#include "tests/toolkit/window_harness.h"
#include "toolkit/visual_style_adapter.h"
#include "toolkit/visual_style_support.h"

namespace toolkit::testing {
namespace {

int g_theme_queries = 0;
int ThemeOn() {
  return ++g_theme_queries, 1;
}
int ThemeOff() {
  return ++g_theme_queries, 0;
}
int g_some_function = 0;

// A library that exports what it is given.
class FakeLibrary final : public platform::DynamicLibrary {
 public:
  explicit FakeLibrary(std::map<std::string, void*> functions) : functions_(std::move(functions)) {}
  void* Function(std::string_view name) override {
    const auto found = functions_.find(std::string(name));
    return found == functions_.end() ? nullptr : found->second;
  }

 private:
  std::map<std::string, void*> functions_;
};

std::map<std::string, void*> AllFunctions(int (*is_theme_active)(), int (*is_app_themed)()) {
  std::map<std::string, void*> functions;
  for (const std::string_view name : kVisualStyleFunctionNames) {
    functions[std::string(name)] = &g_some_function;
  }
  functions["IsThemeActive"] = reinterpret_cast<void*>(is_theme_active);
  functions["IsAppThemed"] = reinterpret_cast<void*>(is_app_themed);
  return functions;
}

VisualStyleSupport::LibraryLoader Loads(std::map<std::string, void*> functions) {
  return [functions](std::string_view name) -> std::unique_ptr<platform::DynamicLibrary> {
    EXPECT_EQ(name, "uxtheme.dll");
    return std::make_unique<FakeLibrary>(functions);
  };
}

const VisualStyleSupport::LibraryLoader kNoLibrary = [](std::string_view) {
  return std::unique_ptr<platform::DynamicLibrary>();
};

class VisualStyles : public ::testing::Test {
 protected:
  void SetUp() override { g_theme_queries = 0; }
};

TEST_F(VisualStyles, AvailableOnlyWithTheLibraryAndAllTwelveFunctions) {
  EXPECT_FALSE(VisualStyleSupport(kNoLibrary).Available());
  EXPECT_TRUE(VisualStyleSupport(Loads(AllFunctions(ThemeOn, ThemeOn))).Available());
  for (const std::string_view missing : kVisualStyleFunctionNames) {
    auto functions = AllFunctions(ThemeOn, ThemeOn);
    functions.erase(std::string(missing));
    VisualStyleSupport support(Loads(functions));
    EXPECT_FALSE(support.Available()) << missing;
    EXPECT_FALSE(support.CanUseVisualStyles()) << missing;
    EXPECT_EQ(support.Function(VisualStyleFunction::OpenThemeData), nullptr);
  }
  EXPECT_EQ(g_theme_queries, 0);  // an unavailable library is never asked
}

TEST_F(VisualStyles, ThePlatformIsAskedOnceAndTheAnswerKept) {
  VisualStyleSupport support(Loads(AllFunctions(ThemeOn, ThemeOn)));
  EXPECT_EQ(support.Function(VisualStyleFunction::GetCurrentThemeName), &g_some_function);
  EXPECT_TRUE(support.CanUseVisualStyles());
  EXPECT_TRUE(support.CanUseVisualStyles());
  EXPECT_EQ(g_theme_queries, 2);  // IsThemeActive and IsAppThemed, once each
}

TEST_F(VisualStyles, BothQueriesMustSayYes) {
  EXPECT_FALSE(VisualStyleSupport(Loads(AllFunctions(ThemeOff, ThemeOn))).CanUseVisualStyles());
  EXPECT_FALSE(VisualStyleSupport(Loads(AllFunctions(ThemeOn, ThemeOff))).CanUseVisualStyles());
  auto without_queries = AllFunctions(ThemeOn, ThemeOn);
  without_queries.erase("IsAppThemed");
  EXPECT_FALSE(VisualStyleSupport(Loads(without_queries)).CanUseVisualStyles());
}

class Adapter : public VisualStyles {
 protected:
  void SetUp() override {
    VisualStyles::SetUp();
    ASSERT_TRUE(h.Open());
    h.backend.PushCloseRequest();
    h.Run();
  }
  Color BorderPixel(int number) {
    h.window.PaintPending();
    const Rect r = h.Bounds(number);
    return h.backend.PixelAt({r.x, r.y + r.height / 2});
  }
  WindowHarness h;
};

TEST_F(Adapter, NeverAttachesWhereVisualStylesCannotBeUsed) {
  for (auto loader : {kNoLibrary, Loads(AllFunctions(ThemeOff, ThemeOn))}) {
    VisualStyleSupport support(loader);
    VisualStyleAdapter adapter;
    EXPECT_FALSE(adapter.Attach(h.window, support));
    EXPECT_FALSE(adapter.IsAttached());
    EXPECT_TRUE(adapter.AdaptedControls().empty());
    EXPECT_EQ(h.window.ControlAt(kField1)->Background(), kButtonFace);
  }
}

TEST_F(Adapter, GivesTheFieldsAWhiteBackgroundAndAStyledBorderUntilDetached) {
  VisualStyleSupport support(Loads(AllFunctions(ThemeOn, ThemeOn)));
  const Color classic = BorderPixel(kField2);
  VisualStyleAdapter adapter;
  adapter.BSETWNDCOLOR = 1;
  ASSERT_TRUE(adapter.Attach(h.window, support));
  EXPECT_EQ(adapter.AdaptedControls(), (std::vector<int>{kField1, kField2}));
  EXPECT_EQ(h.window.ControlAt(kField1)->Background(), (Color{255, 255, 255}));
  EXPECT_EQ(h.window.ControlAt(kLabel1)->Background(), kButtonFace);
  const Color styled = BorderPixel(kField2);
  EXPECT_NE(styled, classic);
  EXPECT_NE(BorderPixel(kField1), styled);  // the focused field's border differs
  // The window has a background of its own, so erasing leaves it as it is.
  EXPECT_EQ(h.window.BackgroundColor(), kButtonFace);

  adapter.Detach();
  EXPECT_FALSE(adapter.IsAttached());
  h.window.InvalidateAll();
  EXPECT_EQ(BorderPixel(kField2), (Color{255, 255, 255}));  // the field's own paint alone
}

TEST(AdapterBackground, AWindowWithoutItsOwnColourGetsButtonFaceOnItsFirstErase) {
  static constexpr ControlDefinition kField[] = {
      {.number = 1, .kind = ControlKind::EntryField, .at = {2, 2}, .size = Size{20, 10}}};
  static constexpr WindowDefinition kBare{
      .client_size = {40, 20}, .font = {.face = "Arial", .charset = 204}, .controls = kField};
  for (const uint8_t bsetwndcolor : {0, 1}) {
    WindowHarness h({}, kBare);
    ASSERT_TRUE(h.Open());
    VisualStyleSupport support(Loads(AllFunctions(ThemeOn, ThemeOn)));
    VisualStyleAdapter adapter;
    adapter.BSETWNDCOLOR = bsetwndcolor;
    ASSERT_TRUE(adapter.Attach(h.window, support));
    h.window.PaintPending();
    EXPECT_EQ(h.backend.PixelAt({0, 0}), bsetwndcolor ? kButtonFace : kWindowColor);
    EXPECT_EQ(h.window.HasOwnBackground(), bsetwndcolor == 1);
  }
}

}  // namespace
}  // namespace toolkit::testing
