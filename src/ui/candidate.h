// One row of the chooser, and the list the rows are added to (the chooser window's list view,
// or a plain vector in tests).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

constexpr std::uint32_t kColourBlack = 0x000000;
constexpr std::uint32_t kColourBlue = 0xFF0000;  // 0x00BBGGRR: programs found in the catalogue

// Appended to the detail of the row that stands for the Windows default program; the chooser
// keeps it whole when it narrows a row.
inline constexpr std::string_view kDefaultMarker = "    [Windows Default]";

struct Candidate {
  std::int32_t rowId = 0;  // 0 for the first row of a request; also the row's tag
  std::string key;         // "k" + row id
  std::string text;        // column 1: company and product
  std::string detail;      // column 2: version, possibly followed by the default marker
  std::uint32_t colour = kColourBlack;
  std::string program;  // the program's path, for its icon; empty when unknown
};

class CandidateList {
 public:
  virtual ~CandidateList() = default;
  virtual void Clear() = 0;
  virtual void Add(const Candidate& row) = 0;
  virtual std::int32_t Count() const = 0;
};

// A list kept in memory, for the logic that builds rows without a window.
class CandidateVector final : public CandidateList {
 public:
  void Clear() override { rows.clear(); }
  void Add(const Candidate& row) override { rows.push_back(row); }
  std::int32_t Count() const override { return static_cast<std::int32_t>(rows.size()); }
  std::vector<Candidate> rows;
};

}  // namespace tavrel
