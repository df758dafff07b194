// Starting programs and registering a library with the real regsvr32 under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/scratch_folder.h"
#include "../unit/errors_fakes.h"
#include "data/process.h"
#include "errors/failure.h"

namespace tavrel {
namespace {

using testing::ScratchFolder;

std::filesystem::path TestFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

class RegistrationLog {
 public:
  explicit RegistrationLog(const ScratchFolder& folder) : path_(folder / "log.txt") {
    SetEnvironmentVariableA("TAVREL_REGTEST_LOG", path_.c_str());
  }
  ~RegistrationLog() { SetEnvironmentVariableA("TAVREL_REGTEST_LOG", nullptr); }
  RegistrationLog(const RegistrationLog&) = delete;
  RegistrationLog& operator=(const RegistrationLog&) = delete;
  std::string Lines() const {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::string path_;
};

TEST(ProcessWin, RegisterDllRunsRegsvr32OnAPathWithBlanks) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "with blanks");
  const std::string library = folder / "with blanks\\reg test.dll";
  std::filesystem::copy_file(TestFolder() / "regtest.dll", library);
  RegistrationLog log(folder);
  EXPECT_TRUE(RegisterDLL(library));
  EXPECT_EQ(log.Lines(), "unregister\nunregister\nregister\n");
}

TEST(ProcessWin, RegisterDllIsTrueEvenWhenTheToolFailsToRegister) {
  // regsvr32 runs but cannot load the library; its exit code is not looked at.
  ScratchFolder folder;
  EXPECT_TRUE(RegisterDLL(folder / "no such library.dll"));
}

TEST(ProcessWin, ShellAndWaitWaitsForTheChildAndIgnoresItsExitCode) {
  ScratchFolder folder;
  const std::string marker = folder / "done.txt";
  EXPECT_TRUE(ShellAndWaitUntilDone("cmd.exe", "/c echo x> \"" + marker + "\" & exit 3"));
  EXPECT_TRUE(std::filesystem::exists(marker));  // written before the wait ended
}

TEST(ProcessWin, AProgramThatCannotStartIsReportedInOneBox) {
  FakeBox box;
  const ScopedEdge<MessageBoxEdge> installed(box);
  ClearPendingFailure();
  EXPECT_FALSE(ShellAndWaitUntilDone("C:\\no\\such\\program.exe", "x"));
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_NE(box.shown[0].text.find("ShellAndWaitUntilDone"), std::string::npos)
      << box.shown[0].text;
  EXPECT_EQ(PendingFailure().number, 0);
}

}  // namespace
}  // namespace tavrel
