// The system's own message tables: texts are checked for their form, not for Wine's wording.
#include "errors/system_error_text.h"

#include <gtest/gtest.h>

#include "errors/errors_edge.h"
#include "os/last_error_win.h"

namespace tavrel {
namespace {

TEST(SystemErrorText, TextsComeFromTheSystemsTablesOrAreMadeUp) {
  const ReportThrough platform{PlatformEdges()};
  ASSERT_TRUE(PlatformEdges().texts.IsNtFamily());
  // A system text is one line: the width flag drops the message's line breaks.
  for (std::int32_t n : {2, 2150, 12029, 12172})
    EXPECT_EQ(GetSystemErrorText(n).find_first_of("\r\n"), std::string::npos) << n;
  EXPECT_NE(GetSystemErrorText(2), "Error (2) not defined.");
  EXPECT_NE(GetSystemErrorText(12029), "Error (12029) not defined.");  // the internet's table
  EXPECT_EQ(GetSystemErrorText(999999), "Error (999999) not defined.");
  EXPECT_EQ(GetSystemErrorText(-5), "Error (-5) not defined.");
}

// A call that failed without leaving a last error is still reported as a failure.
TEST(SystemErrorText, AnHresultFromTheLastErrorIsNeverSuccess) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(HresultFromLastError(), E_FAIL);
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_EQ(HresultFromLastError(), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
}

}  // namespace
}  // namespace tavrel
