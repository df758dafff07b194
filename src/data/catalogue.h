// The program catalogue: known programs, identified by company, product and version (or by
// path), and the texts the chooser shows for them instead. Read from the request's "QXma.xml"
// once per request.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

struct CatalogueEntry {
  std::string Company;
  std::string Product;
  std::string Version;
  std::string LongPath;
  std::string ShortPath;   // kept, not used for lookup
  std::string CompanyA;    // shown instead of the company
  std::string ProductA;    // shown instead of the product
  std::string VersionA;    // shown instead of the version
  std::string LongPathA;   // kept, not used
  std::string ShortPathA;  // kept, not used
};

// Entries numbered from 1; slot 0 exists and stays empty.
using CatalogueList = std::vector<CatalogueEntry>;

// The most entries a catalogue holds: its count is a signed 16-bit number. Further "Alias"
// elements of a file are ignored.
inline constexpr std::size_t kMaxCatalogueEntries = 32767;

// A catalogue larger than this is not read at all.
inline constexpr std::uintmax_t kMaxCatalogueFileBytes = 32u << 20;

// How a catalogue load went: loaded, or why it was refused. A refused catalogue leaves the one
// loaded before in use.
enum class CatalogueLoad {
  kLoaded,
  kMissing,        // the request's data hold no catalogue
  kTooLarge,       // larger than kMaxCatalogueFileBytes
  kNotWellFormed,  // not well-formed XML
  kDocumentType,   // carries a document type declaration
  kNoRoot,         // has no root element
  kFailed,         // failed while reading (no memory, say)
};

// The reason in plain words ("not well-formed"); empty for kLoaded.
std::string_view CatalogueLoadText(CatalogueLoad load);

// Loads the request's catalogue into out, parsing the text where it lies (xml is changed). A
// catalogue that is not there, too large, not well-formed, carries a document type declaration
// or has no root leaves out as it was; the result says which. Never throws and shows nothing.
[[nodiscard]] CatalogueLoad LoadCatalogue(std::optional<std::string>& xml, CatalogueList& out);

// Parses catalogue XML into entries (slot 0 empty). Attribute values stay in UTF-8; their escaped
// runs, in the system's ANSI code page, are decoded into UTF-8. Leaves out untouched unless it
// returns kLoaded.
[[nodiscard]] CatalogueLoad ParseCatalogue(std::string_view xml, CatalogueList& out);

// The same, parsing the text where it lies: xml is changed and must not be used afterwards.
[[nodiscard]] CatalogueLoad ParseCatalogueBuffer(std::string& xml, CatalogueList& out);

}  // namespace tavrel
