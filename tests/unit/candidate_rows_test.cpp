#include "server/candidate_rows.h"

#include <gtest/gtest.h>

#include <functional>

#include "errors/failure.h"

namespace tavrel {
namespace {

ChoiceList Lines(std::initializer_list<const char*> lines) {
  ChoiceList list(1);
  for (const char* l : lines)
    list.emplace_back(l);
  return list;
}

struct Range {
  std::int32_t first, last;
  bool operator==(const Range&) const = default;
};

Range Find(std::string_view key, const ChoiceList& list) {
  std::int32_t last = -5;
  const std::int32_t first = FindKeyRange(key, list, last);
  return {first, last};
}

void ExpectSubscriptFailure(const std::function<void()>& f) {
  try {
    f();
    ADD_FAILURE() << "expected failure 9";
  } catch (const Failure& e) {
    EXPECT_EQ(e.number, errnum::kSubscript);
  }
}

TEST(FindKeyRange, FindsOnlyTheFirstRunOfAKeyWithoutRegardToCase) {
  const ChoiceList list = Lines({".doc|a", ".TXT|b", ".txt|c", ".doc|d", ".txt|e"});
  EXPECT_EQ(Find(".txt", list), (Range{2, 3}));
  EXPECT_EQ(Find(".DOC", list), (Range{1, 1}));
  EXPECT_EQ(Find(".txt", Lines({".txt|a", ".doc|b", ".txt|c"})), (Range{1, 1}));
  EXPECT_EQ(Find("*", Lines({".doc", "*|x|1", "*"})), (Range{2, 3}));
}

TEST(FindKeyRange, NoMatchGivesTheUpperBoundPlusOne) {
  EXPECT_EQ(Find(".txt", Lines({})), (Range{1, 0}));
  EXPECT_EQ(Find(".png", Lines({".doc|a", ".txt"})), (Range{3, 0}));
  // A key is the whole first field, not a prefix of it.
  EXPECT_EQ(Find(".tx", Lines({".txt|a"})), (Range{2, 0}));
}

TEST(FindKeyRange, AnEmptyLineTheSearchReachesFails) {
  ExpectSubscriptFailure([] { Find(".txt", Lines({"", ".txt|a"})); });
  ExpectSubscriptFailure([] { Find(".txt", Lines({".txt|a", ""})); });
  ExpectSubscriptFailure([] { Find(".png", Lines({".txt|a", "", ".doc"})); });
  // One that lies beyond the group is never reached.
  EXPECT_EQ(Find(".txt", Lines({".txt|a", ".doc", ""})), (Range{1, 1}));
}

// An added line: key, display name, version, status, program path, short path.
const char* const kWriter = ".txt|Acme - Writer|2.1|OK|C:\\Acme\\writer.exe|C:\\ACME\\WRITER.EXE";
const char* const kViewer = ".txt|Globex - Viewer|1.0|OK|C:\\Globex\\view.exe|C:\\GLOBEX\\VIEW.EXE";
const char* const kPadLine = ".txt|Tavrel - Pad|3.0|OK|C:\\Pad\\pad.exe|C:\\PAD\\PAD.EXE";

DefaultInfo Usable(const char* shortPath) {
  return DefaultInfo::FromDescription(std::string("Tavrel - Pad|3.0.1|OK|") + shortPath + "|" +
                                      shortPath);
}

struct Built {
  std::int32_t defaultRowId;
  std::vector<Candidate> rows;
};

Built Build(const ChoiceList& add, const DefaultInfo& info,
            const CatalogueList& catalogue = CatalogueList(1)) {
  std::int32_t last = 0;
  const std::int32_t first = FindKeyRange(".txt", add, last);
  CandidateVector rows;
  rows.Add(Candidate{99, "k99", "left over", "", 0});  // from an earlier request
  const std::int32_t id = BuildCandidateRows(add, first, last, info, catalogue, rows);
  return {id, rows.rows};
}

TEST(CandidateRows, AddedProgramsThenTheWindowsDefaultMarkedLast) {
  const Built b = Build(Lines({".doc|x", kWriter, kViewer}), Usable("C:\\PAD\\PAD.EXE"));
  ASSERT_EQ(b.rows.size(), 3u);
  EXPECT_EQ(b.defaultRowId, 2);
  EXPECT_EQ(b.rows[0].key, "k0");
  EXPECT_EQ(b.rows[0].text, "Acme - Writer");
  EXPECT_EQ(b.rows[0].detail, "2.1");
  EXPECT_EQ(b.rows[1].rowId, 1);
  EXPECT_EQ(b.rows[1].text, "Globex - Viewer");
  EXPECT_EQ(b.rows[2].key, "k2");
  EXPECT_EQ(b.rows[2].text, "Tavrel - Pad");
  EXPECT_EQ(b.rows[2].detail, "3.0.1    [Windows Default]");
  EXPECT_EQ(b.rows[2].colour, kColourBlack);
}

TEST(CandidateRows, AnAddedProgramThatIsTheDefaultIsMarkedInPlaceOnce) {
  const Built b = Build(Lines({kWriter, kPadLine, kPadLine}), Usable("c:\\pad\\pad.exe"));
  ASSERT_EQ(b.rows.size(), 3u);
  EXPECT_EQ(b.defaultRowId, 1);
  EXPECT_EQ(b.rows[1].detail, "3.0    [Windows Default]");
  EXPECT_EQ(b.rows[2].detail, "3.0");
}

TEST(CandidateRows, NoOrAFailedDescriptionGivesAPlainDefaultRow) {
  for (const DefaultInfo& info : {DefaultInfo::FromDescription(""), DefaultInfo::Failed()}) {
    // Without a usable description the short path is not compared, so a line may stop early.
    const Built b = Build(Lines({".txt|Acme - Writer|2.1"}), info);
    ASSERT_EQ(b.rows.size(), 2u);
    EXPECT_EQ(b.defaultRowId, 1);
    EXPECT_EQ(b.rows[1].text, "Windows Default");
    EXPECT_EQ(b.rows[1].detail, "No version info.");
  }
}

TEST(CandidateRows, AProgramInTheCatalogueShowsItsNamesInBlue) {
  CatalogueList catalogue(2);  // slot 0 stays empty
  catalogue[1].Company = "ACME";
  catalogue[1].Product = "writer";
  catalogue[1].Version = "2.1";
  catalogue[1].CompanyA = "Acme Software";
  catalogue[1].ProductA = "Writer Pro";
  catalogue[1].VersionA = "2.1 (2024)";
  const Built b = Build(Lines({kWriter, kViewer}), Usable("C:\\ACME\\WRITER.EXE"), catalogue);
  ASSERT_EQ(b.rows.size(), 2u);
  EXPECT_EQ(b.rows[0].text, "Acme Software - Writer Pro");
  EXPECT_EQ(b.rows[0].detail, "2.1 (2024)    [Windows Default]");
  EXPECT_EQ(b.rows[0].colour, kColourBlue);
  EXPECT_EQ(b.rows[1].colour, kColourBlack);
}

TEST(CandidateRows, LinesTooShortOrANotObtainedDescriptionFail) {
  ExpectSubscriptFailure([] { Build(Lines({".txt|Acme - Writer"}), DefaultInfo::Failed()); });
  // The short path is needed while no row is marked and the description is usable.
  ExpectSubscriptFailure(
      [] { Build(Lines({".txt|Acme - Writer|2.1|OK|C:\\a.exe"}), Usable("C:\\B.EXE")); });
  ExpectSubscriptFailure([] { Build(Lines({kWriter}), DefaultInfo::NotObtained()); });
}

}  // namespace
}  // namespace tavrel
