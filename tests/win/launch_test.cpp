// Launching a real program through the shell: the recorder writes how it was started.
#include "server/launch.h"

#include <gtest/gtest.h>

#include "fileinfo/text.h"
#include "platform/files.h"
#include "scratch.h"

namespace tavrel {
namespace {

using wintest::ScratchFolder;
using wintest::WinPath;

std::string SystemShortPath(const std::string& path) {
  char shortPath[MAX_PATH] = {};
  const DWORD n = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
  return std::string(shortPath, n);
}

// The recorder's log once it has been written, or empty after a few seconds.
std::string AwaitLog(const std::string& log) {
  for (int i = 0; i < 100; ++i) {
    if (files::IsFile(log)) {
      const std::string content = files::ReadWholeFile(log);
      if (content.find("longcwd=") != std::string::npos && content.back() == '\n') return content;
    }
    Sleep(100);
  }
  return {};
}

std::string Field(const std::string& log, const std::string& name) {
  const auto at = log.find(name + "=");
  if (at == std::string::npos) return "(none)";
  const auto start = at + name.size() + 1;
  return log.substr(start, log.find("\r\n", start) - start);
}

class Launch : public ::testing::Test {
 protected:
  void SetUp() override {
    CopyFileA(WinPath(TAVREL_RECORDER_EXE).c_str(), program.c_str(), FALSE);
    files::CreateFolder(dir / "My Documents");
    files::WriteWholeFile(document, "text");
  }
  ScratchFolder dir{"launch"};
  const std::string program = dir / "rec.exe";
  const std::string document = dir / "My Documents\\a.txt";
};

TEST_F(Launch, TheProgramGetsTheShortDocumentPathAndItsFolder) {
  const std::string shortDocument = SystemShortPath(document);
  ASSERT_EQ(shortDocument.find(' '), std::string::npos);
  EXPECT_GT(LaunchProgram(program, shortDocument, ""), 32);
  const std::string log = AwaitLog(dir / "rec.log");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(Field(log, "args"), shortDocument);
  EXPECT_TRUE(text::EqualsNoCase(Field(log, "longargs"), document)) << Field(log, "longargs");
  const std::string folder = shortDocument.substr(0, shortDocument.find_last_of('\\'));
  EXPECT_TRUE(text::EqualsNoCase(SystemShortPath(Field(log, "cwd")), SystemShortPath(folder)))
      << Field(log, "cwd") << " vs " << folder;
}

TEST_F(Launch, AMissingProgramGivesTheShellsErrorCode) {
  const std::int32_t code = LaunchProgram(dir / "missing.exe", SystemShortPath(document), "");
  EXPECT_LE(code, 32);
  EXPECT_GE(code, 0);
}

}  // namespace
}  // namespace tavrel
