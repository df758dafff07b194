#include "server/launch.h"

#include <gtest/gtest.h>

#include "fake_os.h"

namespace tavrel {
namespace {

TEST(PlanLaunch, TheVerbOrOpenAndTheDocumentsFolder) {
  fake_os::Scope os;
  fake_os::AddFile("C:\\DOCS\\A.TXT");
  fake_os::AddFile("\\\\server\\share\\dir\\b.txt");
  const LaunchCall picked = PlanLaunch("C:\\P\\p.exe", "C:\\DOCS\\A.TXT", "");
  EXPECT_EQ(picked.operation + "|" + picked.file + "|" + picked.parameters + "|" + picked.directory,
            "open|C:\\P\\p.exe|C:\\DOCS\\A.TXT|C:\\DOCS\\");
  EXPECT_EQ(PlanLaunch("p.exe", "C:\\DOCS\\A.TXT", "Open With...").operation, "Open With...");
  EXPECT_EQ(PlanLaunch("p.exe", "\\\\server\\share\\dir\\b.txt", "").directory,
            "\\\\server\\share\\dir\\");
}

}  // namespace
}  // namespace tavrel
