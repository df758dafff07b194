#include "request/candidate_rows.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace tavrel {
namespace {

ChoiceList Lines(std::initializer_list<const char*> lines) {
  ChoiceList list(1);
  list.insert(list.end(), lines.begin(), lines.end());
  return list;
}

std::string Find(std::string_view key, const ChoiceList& list) try {
  std::int32_t last = -5;
  const std::int32_t first = FindKeyRange(key, list, last);
  return std::to_string(first) + ".." + std::to_string(last);
} catch (const Failure& e) {
  return "failure " + std::to_string(e.number);
}

// Runs, case and blank lines are pinned by the request tests.
TEST(CandidateRows, TheGroupIsTheFirstRunOfTheWholeKey) {
  EXPECT_EQ(Find(".TXT", Lines({".doc|a", ".txt|b", ".TXT|c", ".doc|d", ".txt|e"})), "2..3");
  EXPECT_EQ(Find(".tx", Lines({".txt|a"})), "2..0");  // the whole field, not a prefix
  EXPECT_EQ(Find("", Lines({""})), "2..0");           // an empty line has no key
}

// An added line: key, display name, version, status, program path, short path; more fields are
// ignored.
const char* const kWriter = ".txt|Acme - Writer|2.1|OK|C:\\Acme\\writer.exe|C:\\ACME\\WRITER.EXE";
const char* const kViewer =
    ".txt|Globex - Viewer|1.0|OK|C:\\Globex\\view.exe|C:\\GLOBEX\\VIEW.EXE|more";
const char* const kPadLine = ".txt|Tavrel - Pad|3.0|OK|C:\\Pad\\pad.exe|C:\\PAD\\PAD.EXE";

DefaultInfo Usable(const char* shortPath) {
  return DefaultInfo::Of(ProgramDescription{"Tavrel - Pad", "3.0.1", "OK", shortPath, shortPath});
}

// The default row's id, then each row as "id text|detail <program>", those in the catalogue
// marked. The program, for the row's icon, is the line's path, else its short path.
std::string Build(const ChoiceList& add, const DefaultInfo& info) try {
  CatalogueList catalogue(2);
  CatalogueEntry& e = catalogue[1];
  e.Company = "GLOBEX", e.Product = "viewer", e.Version = "1.0";
  e.CompanyA = "Globex Corp", e.ProductA = "Viewer Pro", e.VersionA = "1.0 (2024)";
  std::int32_t last = 0;
  const std::int32_t first = FindKeyRange(".txt", add, last);
  CandidateVector rows;
  std::string shown =
      std::to_string(BuildCandidateRows(add, first, last, info, catalogue, rows)) + "\n";
  for (const Candidate& r : rows.rows)
    shown += std::to_string(r.rowId) + " " + r.text + "|" + r.detail + " <" + r.program + ">" +
             (r.colour == kColourBlue ? " (blue)\n" : "\n");
  return shown;
} catch (const Failure& e) {
  return "failure " + std::to_string(e.number);
}

TEST(CandidateRows, TheWindowsDefaultIsMarkedOnceInPlaceOrLast) {
  const struct {
    ChoiceList add;
    DefaultInfo info;
    const char* rows;
  } cases[] = {
      {Lines({kWriter, kPadLine, kPadLine}), Usable("c:\\pad\\pad.exe"),
       "1\n0 Acme - Writer|2.1 <C:\\Acme\\writer.exe>\n"
       "1 Tavrel - Pad|3.0    [Windows Default] <C:\\Pad\\pad.exe>\n"
       "2 Tavrel - Pad|3.0 <C:\\Pad\\pad.exe>\n"},
      {Lines({".txt|Short|1|OK||C:\\SHORT.EXE", kViewer}), Usable("C:\\GLOBEX\\VIEW.EXE"),
       "1\n0 Short|1 <C:\\SHORT.EXE>\n"
       "1 Globex Corp - Viewer Pro|1.0 (2024)    [Windows Default] <C:\\Globex\\view.exe> "
       "(blue)\n"},
      {Lines({".doc|x", kWriter}), Usable("C:\\PAD.EXE"),
       "1\n0 Acme - Writer|2.1 <C:\\Acme\\writer.exe>\n"
       "1 Tavrel - Pad|3.0.1    [Windows Default] <C:\\PAD.EXE>\n"},
      // Without a usable description the short path is not compared, so a line may stop early;
      // an empty last field is there all the same.
      {Lines({".txt|Bare|"}), DefaultInfo::Of(std::nullopt),
       "1\n0 Bare| <>\n1 Windows Default|No version info. <>\n"},
      // Lines too short, or a description that was not obtained.
      {Lines({".txt|Acme - Writer"}), DefaultInfo::Failed(), "failure 9"},
      {Lines({".txt|Acme - Writer|2.1|OK|C:\\a.exe"}), Usable("C:\\B.EXE"), "failure 9"},
      {Lines({kWriter}), DefaultInfo::NotObtained(), "failure 9"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Build(c.add, c.info), c.rows) << c.add.back();
}

}  // namespace
}  // namespace tavrel
