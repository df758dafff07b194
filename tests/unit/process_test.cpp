#include "data/process.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tavrel {
namespace {
std::vector<std::string> started;
bool startResult = true;
}  // namespace

// Stands in for the Windows process start: records the command lines and answers with the
// result the test chose.
bool ShellAndWaitUntilDone(const std::string& program, const std::string& arguments) {
  started.push_back(program + " " + arguments);
  return startResult;
}

namespace {

TEST(Process, RegisterDllQuotesAPathWithBlanksAndUnregistersTwiceFirst) {
  const std::tuple<std::string, bool, std::string> cases[] = {
      {"C:\\Program Files\\X\\Zip.dll", true, "\"C:\\Program Files\\X\\Zip.dll\""},
      {"\"C:\\Program Files\\Zip.dll\"", false, "\"C:\\Program Files\\Zip.dll\""},
      {"C:\\Windows\\System32\\Zip.dll", true, "C:\\Windows\\System32\\Zip.dll"},
  };
  for (const auto& [path, result, quoted] : cases) {
    started.clear();
    startResult = result;
    EXPECT_EQ(RegisterDLL(path), result);  // the result of the registration run
    EXPECT_EQ(started,
              (std::vector<std::string>{"regsvr32 /s /u " + quoted, "regsvr32 /s /u " + quoted,
                                        "regsvr32 /s " + quoted}));
  }
}

}  // namespace
}  // namespace tavrel
