#include "platform/grow_buffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace tavrel::os {
namespace {

// A system call's behaviour: writes the text when it fits the declared size (terminator
// included), otherwise reports the size it needs with the terminator.
struct FakeCall {
  std::string text;
  std::vector<std::size_t> declaredSizes;
  std::size_t operator()(char* buffer, std::size_t declared) {
    declaredSizes.push_back(declared);
    if (text.size() + 1 > declared) return text.size() + 1;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return text.size();
  }
};

TEST(ReadGrowing, StartsAt255AndRetriesWithTheReportedLength) {
  FakeCall shortText{"C:\\WINDOWS", {}};
  EXPECT_EQ(ReadGrowing(std::ref(shortText)), "C:\\WINDOWS");
  EXPECT_EQ(shortText.declaredSizes, std::vector<std::size_t>{255});

  FakeCall longText{std::string(700, 'x'), {}};
  EXPECT_EQ(ReadGrowing(std::ref(longText)), longText.text);
  EXPECT_EQ(longText.declaredSizes, (std::vector<std::size_t>{255, 701}));

  // Exactly the declared size does not fit beside its terminator.
  FakeCall edge{std::string(255, 'y'), {}};
  EXPECT_EQ(ReadGrowing(std::ref(edge)), edge.text);
  EXPECT_EQ(edge.declaredSizes, (std::vector<std::size_t>{255, 256}));
}

TEST(ReadGrowing, FailedCallGivesEmptyText) {
  EXPECT_EQ(ReadGrowing([](char*, std::size_t) -> std::size_t { return 0; }), "");
}

}  // namespace
}  // namespace tavrel::os
