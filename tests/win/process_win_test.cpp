// Starting programs and registering a library with the real regsvr32 under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/scratch_folder.h"
#include "../unit/errors_fakes.h"
#include "data/process.h"
#include "os/files.h"

namespace tavrel {
namespace {

TEST(ProcessWin, RegisterDllRunsRegsvr32AndIgnoresItsExitCode) {
  testing::ScratchFolder folder;
  std::filesystem::create_directory(folder / "with blanks");
  const std::string library = folder / "with blanks\\reg test.dll";
  std::filesystem::copy_file(files::ProgramFolder() + "\\regtest.dll", library);
  // The test library logs each call it gets into the file this variable names.
  SetEnvironmentVariableA("TAVREL_REGTEST_LOG", (folder / "log.txt").c_str());
  EXPECT_TRUE(RegisterDLL(library));
  EXPECT_TRUE(RegisterDLL('"' + library + '"'));  // a quoted path is not quoted again
  SetEnvironmentVariableA("TAVREL_REGTEST_LOG", nullptr);
  EXPECT_EQ(folder.Read("log.txt"),
            "unregister\nunregister\nregister\n"
            "unregister\nunregister\nregister\n");
  // regsvr32 runs but cannot load the library: still true.
  EXPECT_TRUE(RegisterDLL(folder / "no such library.dll"));
}

TEST(ProcessWin, ShellAndWaitWaitsForTheChildOrReportsItCannotStart) {
  testing::ScratchFolder folder;
  const std::string marker = folder / "done.txt";
  EXPECT_TRUE(ShellAndWaitUntilDone("cmd.exe", "/c echo x> \"" + marker + "\" & exit 3"));
  EXPECT_TRUE(folder.Has("done.txt"));  // written before the wait ended

  FakeBox box;
  const ReportThrough reporting{{box, PlatformEdges().texts}};
  EXPECT_FALSE(ShellAndWaitUntilDone("C:\\no\\such\\program.exe", "x"));
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_NE(box.shown[0].text.find("ShellAndWaitUntilDone"), std::string::npos);
  EXPECT_EQ(PendingFailure().number, 0);
}

}  // namespace
}  // namespace tavrel
