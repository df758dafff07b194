#include "data/catalogue.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

constexpr const char* kTwoEntries = R"(<?xml version="1.0" encoding="UTF-8"?>
<Programs>
  <Alias Company="Quill{[~26~]}Co" Product="Writer" Version="2.1" LongPath="C:\Q\w.exe"
         ShortPath="C:\Q\W.EXE" CompanyA="Quill" ProductA="Writer Pro" VersionA="2"
         LongPathA="C:\Q\wp.exe" ShortPathA="C:\Q\WP.EXE" Extra="ignored">content is ignored</Alias>
  <Group><Other/><Alias Company="Nested" ProductA="Only" Company="repeated, not kept"/></Group>
  <alias Company="names are case-sensitive"/>
</Programs>)";

std::string Fields(const CatalogueEntry& e) {
  return e.Company + "|" + e.Product + "|" + e.Version + "|" + e.LongPath + "|" + e.ShortPath +
         "|" + e.CompanyA + "|" + e.ProductA + "|" + e.VersionA + "|" + e.LongPathA + "|" +
         e.ShortPathA;
}

TEST(Catalogue, ReadsEveryAliasBelowTheRootInDocumentOrder) {
  CatalogueList entries;
  ASSERT_EQ(ParseCatalogue(kTwoEntries, entries), CatalogueLoad::kLoaded);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(Fields(entries[0]), "|||||||||");  // slot 0 stays empty
  EXPECT_EQ(
      Fields(entries[1]),
      R"(Quill&Co|Writer|2.1|C:\Q\w.exe|C:\Q\W.EXE|Quill|Writer Pro|2|C:\Q\wp.exe|C:\Q\WP.EXE)");
  EXPECT_EQ(Fields(entries[2]), "Nested||||||Only|||");
  // An entry however deep below the root; the root itself is no entry.
  std::string open, close;
  for (int i = 0; i < 100000; ++i)
    open += "<a>", close += "</a>";
  ASSERT_EQ(ParseCatalogue(open + "<Alias Company='deep'/>" + close, entries),
            CatalogueLoad::kLoaded);
  EXPECT_EQ(Fields(entries[1]), "deep|||||||||");
  ASSERT_EQ(ParseCatalogue(R"(<Alias Company="root"><ALIAS/></Alias>)", entries),
            CatalogueLoad::kLoaded);
  EXPECT_EQ(entries.size(), 1u);
}

// Values are UTF-8 as XML carries them; escaped runs hold bytes in the ANSI code page
// (Windows-1252 in native tests).
TEST(Catalogue, EscapedRunsAreDecodedFromTheAnsiCodePage) {
  CatalogueList entries;
  ASSERT_EQ(ParseCatalogue("<c><Alias Company='B{[~E9~]}ta' Product='Εταιρεία' "
                           "Version='Ä{[~E426~]}' ProductA='{[~8083~]}'/></c>",
                           entries),
            CatalogueLoad::kLoaded);
  EXPECT_EQ(entries[1].Company + "|" + entries[1].Product + "|" + entries[1].Version + "|" +
                entries[1].ProductA,
            "Béta|Εταιρεία|Ää&|€ƒ");
}

TEST(Catalogue, FailedLoadsSayWhyAndLeaveTheCatalogueAsItWas) {
  CatalogueList catalogue;
  std::optional<std::string> xml = kTwoEntries;
  ASSERT_EQ(LoadCatalogue(xml, catalogue), CatalogueLoad::kLoaded);
  const std::pair<std::optional<std::string>, CatalogueLoad> bad[] = {
      {"<Programs><Alias Company='x'>", CatalogueLoad::kNotWellFormed},
      {"<Programs><Alias/></Other>", CatalogueLoad::kNotWellFormed},
      {"", CatalogueLoad::kNoRoot},
      {"just text", CatalogueLoad::kNoRoot},
      {"<!DOCTYPE Programs [<!ENTITY a 'aaaa'>]><Programs><Alias Company='&a;'/></Programs>",
       CatalogueLoad::kDocumentType},
      {"<!DOCTYPE p SYSTEM 'file:///etc/passwd'><p><Alias/></p>", CatalogueLoad::kDocumentType},
      {"<Programs>" + std::string((32u << 20) - 28, ' ') + "<Alias/></Programs>",
       CatalogueLoad::kTooLarge},  // one byte past the bound
      {std::nullopt, CatalogueLoad::kMissing},
  };
  for (auto [text, why] : bad) {
    EXPECT_EQ(LoadCatalogue(text, catalogue), why) << text.value_or("(none)").substr(0, 40);
    EXPECT_EQ(catalogue.size(), 3u);
    EXPECT_EQ(catalogue[1].Company, "Quill&Co");
  }

  // A well-formed catalogue without any entry empties it.
  xml = "<Programs><Program Company='x'/></Programs>";
  EXPECT_EQ(LoadCatalogue(xml, catalogue), CatalogueLoad::kLoaded);
  EXPECT_EQ(catalogue.size(), 1u);
  xml = "<Programs>" + std::string((32u << 20) - 29, ' ') + "<Alias/></Programs>";  // the bound
  EXPECT_EQ(LoadCatalogue(xml, catalogue), CatalogueLoad::kLoaded);
}

TEST(Catalogue, KeepsTheFirst32767EntriesOfALargerFile) {
  std::optional<std::string> xml = "<Programs>";
  for (int i = 1; i <= 32768; ++i)
    *xml += "<Alias Company='c" + std::to_string(i) + "'/>";
  *xml += "</Programs>";
  CatalogueList catalogue;
  ASSERT_EQ(LoadCatalogue(xml, catalogue), CatalogueLoad::kLoaded);
  ASSERT_EQ(catalogue.size(), 32768u);
  EXPECT_EQ(catalogue[32767].Company, "c32767");
}

}  // namespace
}  // namespace tavrel
