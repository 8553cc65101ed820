// The toolkit's process-wide and per-thread services: the error reporter, the request codes,
// the settings and the backend factory.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <thread>

#include "toolkit/backend.h"
#include "toolkit/error_reporter.h"
#include "toolkit/resources.h"
#include "toolkit/settings.h"
#include "toolkit/thread_request_codes.h"

namespace toolkit {
namespace {

TEST(ErrorReporter, KeepsEachThreadsProceduresApart) {
  ErrorReporter reporter;
  reporter.EnterProcedure("Outer");
  reporter.EnterProcedure("Inner");
  std::vector<std::string> other_thread;
  std::thread([&] {
    reporter.EnterProcedure("Worker");
    other_thread = reporter.Procedures();
    reporter.LeaveProcedure();
  }).join();
  EXPECT_EQ(other_thread, (std::vector<std::string>{"Worker"}));
  EXPECT_EQ(reporter.Procedures(), (std::vector<std::string>{"Outer", "Inner"}));
  reporter.LeaveProcedure();
  EXPECT_EQ(reporter.CurrentProcedure(), "Outer");
  reporter.LeaveProcedure();
  reporter.LeaveProcedure();  // one too many changes nothing
  EXPECT_EQ(reporter.CurrentProcedure(), "");
}

TEST(ErrorReporter, ReportsIntoTheBoundRecordNamingTheProcedure) {
  ErrorReporter reporter;
  EXPECT_FALSE(reporter.Report(5, "unbound"));
  ErrorStatus& status = ThisThreadErrorStatus();
  reporter.Bind(status);
  reporter.EnterProcedure("Outer");
  EXPECT_TRUE(reporter.Report(17, "it went wrong"));
  EXPECT_EQ(status.code, 17);
  EXPECT_EQ(status.message, "it went wrong");
  EXPECT_EQ(status.procedure, "Outer");
  reporter.LeaveProcedure();
  reporter.Unbind();
  EXPECT_FALSE(reporter.Report(1, "unbound again"));
}

TEST(ThreadRequestCodes, EachThreadStartsWithZeros) {
  ThisThreadRequestCodes().request_code = 4;
  ThreadRequestCodes seen{1, 1, 1};
  std::thread([&] { seen = ThisThreadRequestCodes(); }).join();
  EXPECT_EQ(seen.request_code, 0);
  EXPECT_EQ(seen.response_code, 0);
  EXPECT_EQ(seen.navigation_request, 0);
  EXPECT_EQ(ThisThreadRequestCodes().request_code, 4);
  ThisThreadRequestCodes() = {};
}

TEST(ToolkitSettings, TheDefaultCharacterSet) {
  ToolkitSettings settings;
  EXPECT_EQ(settings.DefaultCharset(), 0);
  settings.SetDefaultCharset(kDefaultCharset);  // "the default" changes nothing
  EXPECT_EQ(settings.DefaultCharset(), 0);
  EXPECT_EQ(settings.Standard(StandardFont::Default).charset, 0);
  settings.SetDefaultCharset(204);
  EXPECT_EQ(settings.DefaultCharset(), 204);
  // Applied at once to both standard fonts, and to any request that names no set.
  EXPECT_EQ(settings.Standard(StandardFont::Tips).charset, 204);
  EXPECT_EQ(settings.Standard(StandardFont::Default).charset, 204);
  EXPECT_EQ(settings.Standard(StandardFont::Tips).points, 8);
  EXPECT_EQ(settings.Resolve({"Arial", 10, 400, kDefaultCharset}).charset, 204);
  EXPECT_EQ(settings.Resolve({"Arial", 10, 400, 0}).charset, 0);
  settings.SetDefaultCharset(kDefaultCharset);
  EXPECT_EQ(settings.DefaultCharset(), 204);
}

TEST(ToolkitSettings, ADefaultIconThatDoesNotLoadLeavesNone) {
  ToolkitSettings settings;
  settings.SetDefaultApplicationIcon(std::vector{platform::IconImage{1, 1, 32, {0xFF000000}}});
  EXPECT_FALSE(settings.SetDefaultApplicationIcon("no-such-file.ico"));
  EXPECT_TRUE(settings.DefaultApplicationIcon().empty());

  const std::string path = ::testing::TempDir() + "not-an-icon.ico";
  std::ofstream(path, std::ios::binary) << "plain text, not an icon";
  EXPECT_FALSE(settings.SetDefaultApplicationIcon(path));
  EXPECT_TRUE(settings.DefaultApplicationIcon().empty());
  std::remove(path.c_str());
}

TEST(ToolkitSettings, TheDefaultIconFromAnIconFile) {
  const auto bytes = FindResource("Emblem_multi.ico");
  ASSERT_FALSE(bytes.empty());
  const std::string path = ::testing::TempDir() + "default-icon.ico";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  ToolkitSettings settings;
  EXPECT_TRUE(settings.SetDefaultApplicationIcon(path));
  EXPECT_FALSE(settings.DefaultApplicationIcon().empty());
  std::remove(path.c_str());
}

TEST(CreateBackend, HeadlessAlwaysExists) {
  std::string error;
  EXPECT_NE(CreateBackend(BackendKind::Headless, &error), nullptr);
  EXPECT_TRUE(error.empty());
}

}  // namespace
}  // namespace toolkit
