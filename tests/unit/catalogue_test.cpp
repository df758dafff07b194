#include "data/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/scratch_folder.h"

namespace tavrel {
namespace {

constexpr const char* kTwoEntries = R"(<?xml version="1.0" encoding="UTF-8"?>
<Programs>
  <Alias Company="Quill{[~26~]}Co" Product="Writer" Version="2.1" LongPath="C:\Q\w.exe"
         ShortPath="C:\Q\W.EXE" CompanyA="Quill" ProductA="Writer Pro" VersionA="2"
         LongPathA="C:\Q\wp.exe" ShortPathA="C:\Q\WP.EXE" Extra="ignored">content is ignored</Alias>
  <Group><Other/><Alias Company="Nested" ProductA="Only"/></Group>
  <alias Company="names are case-sensitive"/>
</Programs>)";

std::string Fields(const CatalogueEntry& e) {
  return e.Company + "|" + e.Product + "|" + e.Version + "|" + e.LongPath + "|" + e.ShortPath +
         "|" + e.CompanyA + "|" + e.ProductA + "|" + e.VersionA + "|" + e.LongPathA + "|" +
         e.ShortPathA;
}

TEST(Catalogue, ReadsEveryAliasBelowTheRootInDocumentOrder) {
  CatalogueList entries;
  ASSERT_TRUE(ParseCatalogue(kTwoEntries, entries));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(Fields(entries[0]), "|||||||||");  // slot 0 stays empty
  EXPECT_EQ(
      Fields(entries[1]),
      R"(Quill&Co|Writer|2.1|C:\Q\w.exe|C:\Q\W.EXE|Quill|Writer Pro|2|C:\Q\wp.exe|C:\Q\WP.EXE)");
  EXPECT_EQ(Fields(entries[2]), "Nested||||||Only|||");
  // The root itself is no entry.
  ASSERT_TRUE(ParseCatalogue(R"(<Alias Company="root"><ALIAS/></Alias>)", entries));
  EXPECT_EQ(entries.size(), 1u);
}

TEST(Catalogue, FailedLoadsLeaveTheCatalogueAsItWas) {
  testing::ScratchFolder folder;
  folder.Write("known.xml", kTwoEntries);
  ASSERT_TRUE(LoadCatalogueFile(folder / "known.xml"));
  const std::pair<const char*, const char*> bad[] = {
      {"unclosed.xml", "<Programs><Alias Company='x'>"},
      {"mismatch.xml", "<Programs><Alias/></Other>"},
      {"empty.xml", ""},
      {"text.xml", "just text"},
      {"doctype.xml",
       "<!DOCTYPE Programs [<!ENTITY a 'aaaa'>]><Programs><Alias Company='&a;'/>"
       "</Programs>"},
      {"external.xml", "<!DOCTYPE p SYSTEM 'file:///etc/passwd'><p><Alias/></p>"},
      {"huge.xml", "<Programs>"},
  };
  for (const auto& [name, content] : bad)
    folder.Write(name, content);
  // 100 MB without writing 100 MB: the size alone refuses it.
  std::filesystem::resize_file(folder / "huge.xml", 100'000'000);
  for (const auto& [name, content] : bad) {
    EXPECT_FALSE(LoadCatalogueFile(folder / name)) << name;
    EXPECT_EQ(CatalogueCount(), 2) << name;
    EXPECT_EQ(Catalogue()[1].Company, "Quill&Co") << name;
  }
  EXPECT_FALSE(LoadCatalogueFile(folder / "missing.xml"));
  EXPECT_EQ(CatalogueCount(), 2);

  // A well-formed file without any entry empties it.
  folder.Write("none.xml", "<Programs><Program Company='x'/></Programs>");
  EXPECT_TRUE(LoadCatalogueFile(folder / "none.xml"));
  EXPECT_EQ(CatalogueCount(), 0);
  EXPECT_EQ(Catalogue().size(), 1u);
}

TEST(Catalogue, KeepsTheFirst32767EntriesOfALargerFile) {
  std::string xml = "<Programs>";
  for (int i = 1; i <= 32770; ++i)
    xml += "<Alias Company='c" + std::to_string(i) + "'/>";
  testing::ScratchFolder folder;
  folder.Write("big.xml", xml + "</Programs>");
  ASSERT_TRUE(LoadCatalogueFile(folder / "big.xml"));
  EXPECT_EQ(CatalogueCount(), 32767);
  ASSERT_EQ(Catalogue().size(), 32768u);
  EXPECT_EQ(Catalogue()[32767].Company, "c32767");
}

TEST(Catalogue, DeepNestingIsRead) {
  std::string deep;
  for (int i = 0; i < 100000; ++i)
    deep += "<a>";
  deep += "<Alias Company='deep'/>";
  for (int i = 0; i < 100000; ++i)
    deep += "</a>";
  CatalogueList entries;
  ASSERT_TRUE(ParseCatalogue(deep, entries));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].Company, "deep");
}

}  // namespace
}  // namespace tavrel
