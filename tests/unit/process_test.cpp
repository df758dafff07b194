#include "data/process.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrel {

// Stands in for the Windows process start: records the command lines, answers with the result
// set by the test.
std::vector<std::string>& StartedCommands() {
  static std::vector<std::string> commands;
  return commands;
}
bool& StartResult() {
  static bool result = true;
  return result;
}

bool ShellAndWaitUntilDone(const std::string& program, const std::string& arguments) {
  StartedCommands().push_back(program + " " + arguments);
  return StartResult();
}

namespace {

std::vector<std::string> Register(const std::string& path, bool startResult, bool& result) {
  StartedCommands().clear();
  StartResult() = startResult;
  result = RegisterDLL(path);
  return StartedCommands();
}

TEST(Process, RegisterDllQuotesAPathWithBlanksAndUnregistersTwiceFirst) {
  bool result = false;
  EXPECT_EQ(Register("C:\\Program Files\\X\\Zip.dll", true, result),
            (std::vector<std::string>{"regsvr32 /s /u \"C:\\Program Files\\X\\Zip.dll\"",
                                      "regsvr32 /s /u \"C:\\Program Files\\X\\Zip.dll\"",
                                      "regsvr32 /s \"C:\\Program Files\\X\\Zip.dll\""}));
  EXPECT_TRUE(result);
  EXPECT_EQ(Register("\"C:\\Program Files\\Zip.dll\"", false, result).back(),
            "regsvr32 /s \"C:\\Program Files\\Zip.dll\"");
  EXPECT_FALSE(result);  // the result of the registration run
  EXPECT_EQ(Register("C:\\Windows\\System32\\Zip.dll", true, result).back(),
            "regsvr32 /s C:\\Windows\\System32\\Zip.dll");
}

}  // namespace
}  // namespace tavrel
