#include "data/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/scratch_folder.h"

namespace tavrel {
namespace {

using testing::ScratchFolder;

constexpr const char* kTwoEntries = R"(<?xml version="1.0" encoding="UTF-8"?>
<Programs>
  <Alias Company="Quill{[~26~]}Co" Product="Writer" Version="2.1" LongPath="C:\Q\w.exe"
         ShortPath="C:\Q\W.EXE" CompanyA="Quill" ProductA="Writer Pro" VersionA="2"
         LongPathA="C:\Q\wp.exe" ShortPathA="C:\Q\WP.EXE" Extra="ignored">content is ignored</Alias>
  <Group><Other/><Alias Company="Nested" ProductA="Only"/></Group>
</Programs>)";

// Loads a known catalogue so that a failed load can be seen to leave it alone.
void LoadKnown(const ScratchFolder& folder) {
  folder.Write("known.xml", kTwoEntries);
  ASSERT_TRUE(LoadCatalogueFile(folder / "known.xml"));
  ASSERT_EQ(CatalogueCount(), 2);
}

TEST(Catalogue, ReadsEveryAliasBelowTheRootInDocumentOrder) {
  CatalogueList entries;
  ASSERT_TRUE(ParseCatalogue(kTwoEntries, entries));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Company, "");  // slot 0 stays empty
  const CatalogueEntry& first = entries[1];
  EXPECT_EQ(first.Company, "Quill&Co");
  EXPECT_EQ(first.Product, "Writer");
  EXPECT_EQ(first.Version, "2.1");
  EXPECT_EQ(first.LongPath, "C:\\Q\\w.exe");
  EXPECT_EQ(first.ShortPath, "C:\\Q\\W.EXE");
  EXPECT_EQ(first.CompanyA, "Quill");
  EXPECT_EQ(first.ProductA, "Writer Pro");
  EXPECT_EQ(first.VersionA, "2");
  EXPECT_EQ(first.LongPathA, "C:\\Q\\wp.exe");
  EXPECT_EQ(first.ShortPathA, "C:\\Q\\WP.EXE");
  EXPECT_EQ(entries[2].Company, "Nested");
  EXPECT_EQ(entries[2].Product, "");  // a missing attribute is an empty field
  EXPECT_EQ(entries[2].ProductA, "Only");
}

TEST(Catalogue, RootNamedAliasIsNoEntryAndNamesAreCaseSensitive) {
  CatalogueList entries;
  ASSERT_TRUE(
      ParseCatalogue(R"(<Alias Company="root"><alias Company="x"/><ALIAS/></Alias>)", entries));
  EXPECT_EQ(entries.size(), 1u);
}

TEST(Catalogue, FailedLoadsLeaveTheCatalogueAsItWas) {
  ScratchFolder folder;
  LoadKnown(folder);
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"unclosed.xml", "<Programs><Alias Company='x'>"},
      {"mismatch.xml", "<Programs><Alias/></Other>"},
      {"empty.xml", ""},
      {"text.xml", "just text"},
      {"doctype.xml",
       "<!DOCTYPE Programs [<!ENTITY a 'aaaa'>]><Programs><Alias Company='&a;'/>"
       "</Programs>"},
      {"laughs.xml",
       "<!DOCTYPE l [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;&a;'>]>"
       "<l><Alias Company='&b;&b;&b;&b;'/></l>"},
      {"external.xml", "<!DOCTYPE p SYSTEM 'file:///etc/passwd'><p><Alias/></p>"},
  };
  for (const auto& [name, content] : bad) {
    folder.Write(name, content);
    EXPECT_FALSE(LoadCatalogueFile(folder / name)) << name;
    EXPECT_EQ(CatalogueCount(), 2) << name;
    EXPECT_EQ(Catalogue()[1].Company, "Quill&Co") << name;
  }
  EXPECT_FALSE(LoadCatalogueFile(folder / "missing.xml"));
  EXPECT_EQ(CatalogueCount(), 2);
}

TEST(Catalogue, HugeFileIsNotReadAtAll) {
  ScratchFolder folder;
  LoadKnown(folder);
  // 100 MB without writing 100 MB: the size alone refuses it.
  folder.Write("huge.xml", "<Programs>");
  std::filesystem::resize_file(folder / "huge.xml", 100'000'000);
  EXPECT_FALSE(LoadCatalogueFile(folder / "huge.xml"));
  EXPECT_EQ(CatalogueCount(), 2);
}

TEST(Catalogue, NoAliasGivesAnEmptyCatalogue) {
  ScratchFolder folder;
  LoadKnown(folder);
  folder.Write("none.xml", "<Programs><Program Company='x'/></Programs>");
  EXPECT_TRUE(LoadCatalogueFile(folder / "none.xml"));
  EXPECT_EQ(CatalogueCount(), 0);
  EXPECT_EQ(Catalogue().size(), 1u);
}

TEST(Catalogue, KeepsTheFirst32767EntriesOfALargerFile) {
  std::string xml = "<Programs>";
  for (int i = 1; i <= 32770; ++i)
    xml += "<Alias Company='c" + std::to_string(i) + "'/>";
  xml += "</Programs>";
  CatalogueList entries;
  ASSERT_TRUE(ParseCatalogue(xml, entries));
  ASSERT_EQ(entries.size(), 32768u);
  EXPECT_EQ(entries[32767].Company, "c32767");

  ScratchFolder folder;
  folder.Write("big.xml", xml);
  ASSERT_TRUE(LoadCatalogueFile(folder / "big.xml"));
  EXPECT_EQ(CatalogueCount(), 32767);
}

TEST(Catalogue, DeepNestingAndUtf16FilesAreRead) {
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

  // UTF-16 with byte order mark, as some writers produce it.
  const std::string ascii = "<p><Alias Company='W'/></p>";
  std::string utf16 = "\xFF\xFE";
  for (const char c : ascii)
    utf16 += std::string{c, '\0'};
  ASSERT_TRUE(ParseCatalogue(utf16, entries));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].Company, "W");
}

}  // namespace
}  // namespace tavrel
