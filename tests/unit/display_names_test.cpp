#include "fileinfo/display_names.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(ShortCompanyName, DropsLegalSuffixesAnywhere) {
  EXPECT_EQ(ShortCompanyName("Acme Corporation", "F"), "Acme");
  EXPECT_EQ(ShortCompanyName("Globex Systems Incorporated", "F"), "Globex");
  EXPECT_EQ(ShortCompanyName("Initech, Inc.", "F"), "Initech");
  EXPECT_EQ(ShortCompanyName("Acme Incubator Inc", "F"), "Acmeubator");
  EXPECT_EQ(ShortCompanyName("Hooli Communications Corp.", "F"), "Hooli");
  EXPECT_EQ(ShortCompanyName("Umbrella Development", "F"), "Umbrella");
}

TEST(ShortCompanyName, TooShortAReductionKeepsTheNameCutAtItsComma) {
  EXPECT_EQ(ShortCompanyName("ABC Corporation", "F"), "ABC Corporation");
  EXPECT_EQ(ShortCompanyName("IBM Corp, Armonk", "F"), "IBM Corp");
  EXPECT_EQ(ShortCompanyName("IBM Corp., Armonk", "F"), "IBM");
  // A "|" never survives: the name ends up in a "|"-joined record.
  EXPECT_EQ(ShortCompanyName("A|B Inc", "F"), "A/B Inc");
  EXPECT_EQ(ShortCompanyName("Tom|Jerry Inc", "F"), "Tom/Jerry");
}

TEST(ShortCompanyName, StripsControlAndNonAsciiAndFallsBack) {
  EXPECT_EQ(ShortCompanyName("\tM\xFC"
                             "ller-Werke GmbH.",
                             "F"),
            "MllerWerke GmbH");
  EXPECT_EQ(ShortCompanyName("", "Missing Info."), "Missing Info.");
  EXPECT_EQ(ShortCompanyName(" .-, ", "Missing Info."), "Missing Info.");
}

TEST(CompactVersion, TidiesSeparatorsAndBlanks) {
  EXPECT_EQ(CompactVersion("6, 0, 1, 7"), "6.0.1.7");
  EXPECT_EQ(CompactVersion("1.2 (build|3)\x01\xE9"), "1.2(build/3)");
  EXPECT_EQ(CompactVersion("7"), "7");
  EXPECT_EQ(CompactVersion(""), "");
}

FileVersionInfo Info(const char* company, const char* description, const char* product,
                     const char* version) {
  FileVersionInfo info;
  info.CompanyName = company;
  info.FileDescription = description;
  info.ProductName = product;
  info.FileVersion = version;
  return info;
}

TEST(DescribeProgram, DescriptionOrProductAndADottedVersion) {
  EXPECT_EQ(DescribeProgram(Info("Acme Corporation", "Acme Writer", "", "10.0.6612"), "S", "T"),
            "Acme - Acme Writer|10.0.6612|OK|S|T");
  EXPECT_EQ(DescribeProgram(Info("", " Acme Writer ", "", "1,2"), "S", "S"),
            "Missing Info. - Acme Writer|1.2|OK|S|S");
  EXPECT_EQ(DescribeProgram(Info("Globex Systems Incorporated", "  ", "Reader", "2.0"), "S", "S"),
            "Globex- Reader|2.0|OK|S|S");
  EXPECT_EQ(DescribeProgram(Info("Acme", "Writer", "", "7"), "S", "S"), "");
  EXPECT_EQ(DescribeProgram(Info("Acme", "", "", "7.1"), "S", "S"), "");
  EXPECT_EQ(DescribeProgram(FileVersionInfo{}, "", ""), "");
}

CatalogueList SampleCatalogue() {
  CatalogueList c(4);  // slot 0 stays empty
  c[1].Company = "Acme";
  c[1].Product = "Writer";
  c[1].Version = "1.0";
  c[1].LongPath = "C:\\old\\writer.exe";
  c[2].Company = "acme";
  c[2].Product = "WRITER";
  c[2].Version = "2.1";
  c[2].LongPath = "C:\\Acme\\Writer.exe";
  c[3].Company = "Acme";
  c[3].Product = "Writer";
  c[3].Version = "2.1";
  c[3].LongPath = "C:\\Tools\\pad.exe";
  return c;
}

std::int32_t Lookup(std::vector<std::string_view> fields) {
  return FindCatalogEntry(fields, SampleCatalogue());
}

TEST(FindCatalogEntry, ByIdentityFirstMatchWins) {
  EXPECT_EQ(Lookup({"Acme - Writer", "2.1", "OK", "C:\\elsewhere.exe", "C:\\E.EXE"}), 2);
  EXPECT_EQ(Lookup({"ACME - writer", "1.0"}), 1);  // path fields are not needed
  EXPECT_EQ(Lookup({"Acme - Writer", "9.9", "OK", "C:\\Tools\\pad.exe"}), -1);
  EXPECT_EQ(FindCatalogEntry({"Acme - Writer", "2.1"}, {}), -1);
}

TEST(FindCatalogEntry, MissingPartsMatchByPath) {
  EXPECT_EQ(Lookup({"Missing Info. - Writer", "2.1", "OK", "c:\\tools\\PAD.exe", ""}), 3);
  EXPECT_EQ(Lookup({"Acme - missing info.", "2.1", "OK", "C:\\old\\writer.exe", ""}), 1);
  EXPECT_EQ(Lookup({"Acme - Writer", "No Version Info.", "OK", "C:\\Acme\\Writer.exe"}), 2);
  EXPECT_EQ(Lookup({"Acme - Writer", "No version info.", "OK", "C:\\none.exe"}), -1);
}

TEST(FindCatalogEntry, OddDisplayNamesGiveNoEntryInsteadOfFailing) {
  EXPECT_EQ(Lookup({"AcmeWriter", "2.1"}), -1);              // no "-"
  EXPECT_EQ(Lookup({"-Acme Writer", "2.1"}), -1);            // "-" first
  EXPECT_EQ(Lookup({"Missing info. - Writer", "2.1"}), -1);  // path needed but missing
  EXPECT_EQ(Lookup({"Acme - Writer"}), -1);                  // version missing
  EXPECT_EQ(Lookup({}), -1);
  // "-" second: the company is empty and the look-up goes on with it.
  CatalogueList c(2);
  c[1].Product = "Writer";
  c[1].Version = "1";
  EXPECT_EQ(FindCatalogEntry({"X- Writer", "1"}, c), 1);
  // Slot 0 is not an entry, even when it would match.
  c[0] = c[1];
  c[1].Version = "2";
  EXPECT_EQ(FindCatalogEntry({"X- Writer", "1"}, c), -1);
}

}  // namespace
}  // namespace tavrel
