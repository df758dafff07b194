#include "fileinfo/version_info.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

// Real resources are read under Wine; these are the cases the test executables do not have.
TEST(VersionInfo, TranslationKeysAndFileTypeNames) {
  const unsigned char neutral[4] = {0x07, 0x00, 0x00, 0x00};
  EXPECT_EQ(TranslationKeyOf(neutral), "00070000");
  const unsigned char german[4] = {0x07, 0x04, 0xB0, 0x04};  // 0407, code page 04B0
  EXPECT_EQ(TranslationKeyOf(german), "040704B0");
  const char* const names[] = {"Unknown",       "Application", "Dynamic Link Library (DLL)",
                               "Device Driver", "Unknown",     "Virtual Device Driver",
                               "Unknown"};
  for (std::uint32_t type = 0; type < 7; ++type)
    EXPECT_EQ(FileTypeNameOf(type), names[type]) << type;
}

}  // namespace
}  // namespace tavrel
