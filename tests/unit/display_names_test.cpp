#include "fileinfo/display_names.h"

#include <gtest/gtest.h>

#include "data/catalogue_lookup.h"

namespace tavrel {
namespace {

TEST(DisplayNames, CompanyNamesAreShortenedAndVersionsCompacted) {
  const std::pair<const char*, const char*> names[] = {
      {"Acme Corporation", "Acme"},
      {"Globex Systems Incorporated", "Globex"},
      {"Initech, Inc.", "Initech"},
      {"Acme Incubator Inc", "Acmeubator"},  // a suffix is removed wherever it occurs
      {"Hooli Communications Corp.", "Hooli"},
      {"ABC Corporation", "ABC Corporation"},  // too short a reduction is not kept
      {"IBM Corp, Armonk", "IBM Corp"},
      {"IBM Corp., Armonk", "IBM"},
      {"A|B Inc", "A/B Inc"},  // the name ends up in a "|"-joined record
      {"Tom|Jerry Inc", "Tom/Jerry"},
      {"\tMüller-Werke GmbH.", "MüllerWerke GmbH"},
      {"Ελληνικά Εργαλεία Α.Ε.", "Ελληνικά Εργαλεία ΑΕ"},
      {"Contoso® Tools™ Ltd.", "Contoso Tools Ltd"},
      {"", "Missing"},
      {" .-, ", "Missing"},
  };
  for (const auto& [company, shortName] : names)
    EXPECT_EQ(ShortCompanyName(company, "Missing"), shortName) << company;
  EXPECT_EQ(CompactVersion("6, 0, 1, 7"), "6.0.1.7");
  EXPECT_EQ(CompactVersion("1.2 (build|3)\x01\xE9"), "1.2(build/3)");
}

TEST(DisplayNames, DescriptionOrProductAndADottedVersion) {
  auto describe = [](const char* company, const char* description, const char* product,
                     const char* version) {
    FileVersionInfo info;
    info.CompanyName = company;
    info.FileDescription = description;
    info.ProductName = product;
    info.FileVersion = version;
    const std::optional<ProgramDescription> d = DescribeProgram(info, "S", "T");
    return d ? d->display + "|" + d->version + "|" + d->status + "|" + d->shortPath + "|" +
                   d->shortOfShortPath
             : "";
  };
  EXPECT_EQ(describe("Acme Corporation", " Acme Writer ", "", "1, 2"),
            "Acme - Acme Writer|1.2|OK|S|T");
  EXPECT_EQ(describe("", "Writer", "", "1.0"), "Missing Info. - Writer|1.0|OK|S|T");
  EXPECT_EQ(describe("Globex Systems", "  ", "Reader", "2.0"), "Globex- Reader|2.0|OK|S|T");
  // A "|" in a text of the program would move the version into another field.
  EXPECT_EQ(describe("A|B Inc", "Write|Read", "", "1.0"), "A/B Inc - Write/Read|1.0|OK|S|T");
  EXPECT_EQ(describe("Acme", "", "|Reader|", "2.0"), "Acme- /Reader/|2.0|OK|S|T");
  EXPECT_EQ(describe("Acme", "", "", "7.1"), "");
}

TEST(DisplayNames, CatalogueEntryByIdentityOrElseByPath) {
  CatalogueList c(5);
  const auto entry = [](const char* company, const char* product, const char* version,
                        const char* path = "") {
    CatalogueEntry e;
    e.Company = company, e.Product = product, e.Version = version, e.LongPath = path;
    return e;
  };
  c[0] = entry("Acme", "Writer", "9.9");  // slot 0 is never an entry
  c[1] = entry("Acme", "Writer", "1.0", "C:\\old\\writer.exe");
  c[2] = entry("acme", "WRITER", "2.1", "C:\\Acme\\Writer.exe");
  c[3] = entry("Acme", "Writer", "2.1", "C:\\Tools\\pad.exe");
  c[4] = entry("", "Writer", "1");
  // Lines of added programs, each with its entry's number, or -1.
  const std::pair<const char*, std::int32_t> lookups[] = {
      {".txt|Acme - Writer|2.1|OK|C:\\elsewhere.exe|C:\\E.EXE", 2},
      {".txt|ACME - writer|1.0", 1},
      {".txt|Acme - Writer|9.9|OK|C:\\Tools\\pad.exe", -1},
      {".txt|X- Writer|1", 4},  // "-" second: an empty company
      {".txt|Missing Info. - Writer|2.1|OK|c:\\tools\\PAD.exe|", 3},
      {".txt|Acme - missing info.|2.1|OK|C:\\old\\writer.exe|", 1},
      {".txt|Acme - Writer|No Version Info.|OK|C:\\Acme\\Writer.exe", 2},
      {".txt|Acme - Writer|No version info.|OK|C:\\none.exe", -1},
      {".txt|AcmeWriter|2.1", -1},
      {".txt|-Acme Writer|2.1", -1},
      {".txt|Missing info. - Writer|2.1", -1},  // the path is needed but missing
      {".txt|Acme - Writer", -1},
      {".txt", -1},
  };
  for (const auto& [line, found] : lookups)
    EXPECT_EQ(FindCatalogEntry(ParseChoiceLine(line), c), found) << line;
}

}  // namespace
}  // namespace tavrel
