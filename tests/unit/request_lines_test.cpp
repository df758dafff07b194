#include "request/request_lines.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace tavrel {
namespace {

TEST(RequestLines, MissingLinesFailAsSubscriptOutOfRange) {
  const RequestLines shortRequest("open\r\nx\r\nC:\\a.txt");
  EXPECT_EQ(shortRequest.DocumentLine(), "C:\\a.txt");
  EXPECT_THROW(shortRequest.StatusLine(), Failure);
  EXPECT_THROW(RequestLines("").VerbLine(), Failure);
  const RequestLines noBreaks(std::string(10000, 'a'));
  EXPECT_THROW(noBreaks.DocumentLine(), Failure);
  // A lone line feed is no line break.
  EXPECT_THROW(RequestLines("a\nb\nc\nd\ne\nf\ng\nh").DocumentLine(), Failure);
}

// Verbs are found anywhere in the line without regard to case; "open with" is read from the
// first "open" to the end.
TEST(RequestLines, VerbsAndOpenWith) {
  for (const char* verb : {"OPEN", "reopen now", "New", "autoplay"})
    EXPECT_TRUE(HasRequestVerb(verb)) << verb;
  for (const char* verb : {"print", ""})
    EXPECT_FALSE(HasRequestVerb(verb)) << verb;
  for (const char* verb : {"Open With...", "openas", "OPENAS   ", "shell:open with..."})
    EXPECT_TRUE(IsOpenWith(verb)) << verb;
  // Only the first "open" counts.
  for (const char* verb : {"open", "open openas", "  openas x", "print"})
    EXPECT_FALSE(IsOpenWith(verb)) << verb;
}

// The request driver's table pins the usual keys (".txt", "*" for Open With).
TEST(RequestLines, TypeKeysAndExecutables) {
  EXPECT_EQ(TypeKey("", false), ".");
  for (const char* key : {".exe", ".EXE", ".Dll", ".vxd", ".VXD", ".Vxd"})
    EXPECT_TRUE(IsExecutableTypeKey(key));
  for (const char* key : {".exe2", ".txt", "*", "."})
    EXPECT_FALSE(IsExecutableTypeKey(key));
  EXPECT_TRUE(SaysLaunched("already LAUNCHED"));
  EXPECT_FALSE(SaysLaunched("launch"));
}

}  // namespace
}  // namespace tavrel
