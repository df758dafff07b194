#include "data/process.h"

#include <gtest/gtest.h>

namespace tavrel {

// Stands in for the Windows process start, which the real regsvr32 always passes: here the
// unregistration runs succeed and the registration run fails.
bool ShellAndWaitUntilDone(const std::string&, const std::string& arguments) {
  return arguments.starts_with("/s /u ");
}

namespace {

TEST(Process, RegisterDllGivesTheResultOfTheRegistrationRun) {
  EXPECT_FALSE(RegisterDLL("C:\\Zip.dll"));
}

}  // namespace
}  // namespace tavrel
