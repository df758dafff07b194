#include "server/candidate_rows.h"

#include <gtest/gtest.h>

#include <functional>

#include "errors/failure.h"

namespace tavrel {
namespace {

ChoiceList Lines(std::initializer_list<const char*> lines) {
  ChoiceList list(1);
  list.insert(list.end(), lines.begin(), lines.end());
  return list;
}

std::string Find(std::string_view key, const ChoiceList& list) {
  std::int32_t last = -5;
  const std::int32_t first = FindKeyRange(key, list, last);
  return std::to_string(first) + ".." + std::to_string(last);
}

void ExpectSubscriptFailure(const std::function<void()>& f) {
  try {
    f();
    ADD_FAILURE() << "expected failure 9";
  } catch (const Failure& e) {
    EXPECT_EQ(e.number, errnum::kSubscript);
  }
}

TEST(CandidateRows, TheGroupIsTheFirstRunOfTheKeyWithoutRegardToCase) {
  const ChoiceList mixed = Lines({".doc|a", ".TXT|b", ".txt|c", ".doc|d", ".txt|e"});
  EXPECT_EQ(Find(".txt", mixed), "2..3");
  EXPECT_EQ(Find(".DOC", mixed), "1..1");
  EXPECT_EQ(Find("*", Lines({".doc", "*|x|1", "*"})), "2..3");
  EXPECT_EQ(Find(".txt", Lines({})), "1..0");
  EXPECT_EQ(Find(".tx", Lines({".txt|a"})), "2..0");  // the whole field, not a prefix
  EXPECT_EQ(Find(".txt", Lines({".txt|a", ".doc", ""})), "1..1");
  // An empty line the search reaches fails.
  ExpectSubscriptFailure([] { Find(".txt", Lines({"", ".txt|a"})); });
  ExpectSubscriptFailure([] { Find(".txt", Lines({".txt|a", ""})); });
}

// An added line: key, display name, version, status, program path, short path.
const char* const kWriter = ".txt|Acme - Writer|2.1|OK|C:\\Acme\\writer.exe|C:\\ACME\\WRITER.EXE";
const char* const kViewer = ".txt|Globex - Viewer|1.0|OK|C:\\Globex\\view.exe|C:\\GLOBEX\\VIEW.EXE";
const char* const kPadLine = ".txt|Tavrel - Pad|3.0|OK|C:\\Pad\\pad.exe|C:\\PAD\\PAD.EXE";

DefaultInfo Usable(const char* shortPath) {
  return DefaultInfo::FromDescription(std::string("Tavrel - Pad|3.0.1|OK|") + shortPath + "|" +
                                      shortPath);
}

// The default row's id, then each row as "id key text|detail", blue ones marked.
std::string Build(const ChoiceList& add, const DefaultInfo& info,
                  const CatalogueList& catalogue = CatalogueList(1)) {
  std::int32_t last = 0;
  const std::int32_t first = FindKeyRange(".txt", add, last);
  CandidateVector rows;
  rows.Add(Candidate{99, "k99", "left over", "", 0});  // from an earlier request
  std::string shown =
      std::to_string(BuildCandidateRows(add, first, last, info, catalogue, rows)) + "\n";
  for (const Candidate& r : rows.rows)
    shown += std::to_string(r.rowId) + " " + r.key + " " + r.text + "|" + r.detail +
             (r.colour == kColourBlue ? " (blue)\n" : "\n");
  return shown;
}

TEST(CandidateRows, TheWindowsDefaultIsMarkedOnceInPlaceOrLast) {
  CatalogueList catalogue(2);
  CatalogueEntry& e = catalogue[1];
  e.Company = "ACME", e.Product = "writer", e.Version = "2.1";
  e.CompanyA = "Acme Software", e.ProductA = "Writer Pro", e.VersionA = "2.1 (2024)";
  const struct {
    ChoiceList add;
    DefaultInfo info;
    CatalogueList catalogue;
    const char* rows;
  } cases[] = {
      {Lines({".doc|x", kWriter, kViewer}), Usable("C:\\PAD\\PAD.EXE"), CatalogueList(1),
       "2\n0 k0 Acme - Writer|2.1\n1 k1 Globex - Viewer|1.0\n"
       "2 k2 Tavrel - Pad|3.0.1    [Windows Default]\n"},
      {Lines({kWriter, kPadLine, kPadLine}), Usable("c:\\pad\\pad.exe"), CatalogueList(1),
       "1\n0 k0 Acme - Writer|2.1\n1 k1 Tavrel - Pad|3.0    [Windows Default]\n"
       "2 k2 Tavrel - Pad|3.0\n"},
      // Without a usable description the short path is not compared, so a line may stop early.
      {Lines({".txt|Acme - Writer|2.1"}), DefaultInfo::FromDescription(""), CatalogueList(1),
       "1\n0 k0 Acme - Writer|2.1\n1 k1 Windows Default|No version info.\n"},
      {Lines({".txt|Acme - Writer|2.1"}), DefaultInfo::Failed(), CatalogueList(1),
       "1\n0 k0 Acme - Writer|2.1\n1 k1 Windows Default|No version info.\n"},
      {Lines({kWriter, kViewer}), Usable("C:\\ACME\\WRITER.EXE"), catalogue,
       "0\n0 k0 Acme Software - Writer Pro|2.1 (2024)    [Windows Default] (blue)\n"
       "1 k1 Globex - Viewer|1.0\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Build(c.add, c.info, c.catalogue), c.rows);
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
