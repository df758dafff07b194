#include "request/launch.h"

#include <gtest/gtest.h>

#include "fake_os.h"

namespace tavrel {
namespace {

TEST(PlanLaunch, TheVerbOrOpenAndTheDocumentsFolder) {
  fake_os::Scope os;
  fake_os::AddFile("C:\\DOCS\\A.TXT");
  fake_os::AddFile("\\\\server\\share\\dir\\b.txt");
  const LaunchCall picked = PlanLaunch("C:\\P\\p.exe", "C:\\DOCS\\A.TXT", "", {});
  EXPECT_EQ(picked.operation + "|" + picked.file + "|" + picked.parameters + "|" + picked.directory,
            "open|C:\\P\\p.exe|C:\\DOCS\\A.TXT|C:\\DOCS\\");
  EXPECT_EQ(PlanLaunch("p.exe", "C:\\DOCS\\A.TXT", "Open With...", {}).operation, "Open With...");
  EXPECT_EQ(PlanLaunch("p.exe", "\\\\server\\share\\dir\\b.txt", "", {}).directory,
            "\\\\server\\share\\dir\\");
}

// A volume without short names gives the long path, which may hold blanks: the program gets it
// as one argument.
TEST(PlanLaunch, ADocumentPathWithABlankIsQuoted) {
  fake_os::Scope os;
  const std::pair<std::string, std::string> cases[] = {
      {R"(D:\Docs\Отчёт 会議 🎉.txt)", R"("D:\Docs\Отчёт 会議 🎉.txt")"},
      {R"(D:\Docs\Отчёт.txt)", R"(D:\Docs\Отчёт.txt)"},
      {R"(D:\Docs\OTCHT~1.TXT)", R"(D:\Docs\OTCHT~1.TXT)"},
  };
  for (const auto& [document, parameters] : cases) {
    fake_os::AddFile(document);
    const LaunchCall call = PlanLaunch("p.exe", document, "", {});
    EXPECT_EQ(call.parameters, parameters);
    EXPECT_EQ(call.directory, "D:\\Docs\\") << document;
  }
}

TEST(LaunchResult, AnAnswerOf32OrLessIsAFailedStartWithTheSystemsError) {
  const struct {
    std::int32_t answer;
    bool started;
    std::int32_t systemError;
  } cases[] = {{33, true, 0}, {42, true, 0}, {32, false, 1157}, {31, false, 1155},
               {2, false, 2}, {5, false, 5}, {0, false, 8}};
  for (const auto& c : cases) {
    const LaunchResult result = LaunchResultOf(c.answer);
    EXPECT_EQ(result.started, c.started) << c.answer;
    EXPECT_EQ(result.systemError, c.systemError) << c.answer;
  }
}

}  // namespace
}  // namespace tavrel
