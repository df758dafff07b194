#include "fileinfo/version_info.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(VersionInfo, HexPadKeepsTheLastDigits) {
  EXPECT_EQ(HexPad(0x4, 2), "04");
  EXPECT_EQ(HexPad(0xB0, 2), "B0");
  EXPECT_EQ(HexPad(0x1AB, 2), "AB");
  EXPECT_EQ(HexPad(0, 4), "0000");
  EXPECT_EQ(HexPad(0xDEADBEEF, 8), "DEADBEEF");
}

TEST(VersionInfo, TranslationKeyReadsEachWordLowByteFirst) {
  const unsigned char usUnicode[4] = {0x09, 0x04, 0xB0, 0x04};
  EXPECT_EQ(TranslationKeyOf(usUnicode), "040904B0");
  const unsigned char germanAnsi[4] = {0x07, 0x04, 0xE4, 0x04};
  EXPECT_EQ(TranslationKeyOf(germanAnsi), "040704E4");
  const unsigned char neutral[4] = {0, 0, 0, 0};
  EXPECT_EQ(TranslationKeyOf(neutral), "00000000");
}

TEST(VersionInfo, FileTypeNames) {
  EXPECT_EQ(FileTypeNameOf(1), "Application");
  EXPECT_EQ(FileTypeNameOf(2), "Dynamic Link Library (DLL)");
  EXPECT_EQ(FileTypeNameOf(3), "Device Driver");
  EXPECT_EQ(FileTypeNameOf(4), "Unknown");
  EXPECT_EQ(FileTypeNameOf(5), "Virtual Device Driver");
  EXPECT_EQ(FileTypeNameOf(0), "Unknown");
  EXPECT_EQ(FileTypeNameOf(7), "Unknown");
}

TEST(VersionInfo, TheThirteenValuesInReadingOrder) {
  EXPECT_STREQ(kVersionStringFields[0].name, "Comments");
  EXPECT_STREQ(kVersionStringFields[1].name, "CompanyName");
  EXPECT_STREQ(kVersionStringFields[12].name, "SpecialBuild");
  FileVersionInfo info;
  info.*(kVersionStringFields[10].field) = "x";
  EXPECT_EQ(info.ProductName, "x");
}

}  // namespace
}  // namespace tavrel
