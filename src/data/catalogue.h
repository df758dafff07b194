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

// Entries numbered 1 to CatalogueCount(); slot 0 exists and stays empty.
using CatalogueList = std::vector<CatalogueEntry>;

// The most entries a catalogue holds: its count is a signed 16-bit number. Further "Alias"
// elements of a file are ignored.
inline constexpr std::size_t kMaxCatalogueEntries = 32767;

// A catalogue larger than this is not read at all.
inline constexpr std::uintmax_t kMaxCatalogueFileBytes = 32u << 20;

// The process-wide catalogue, replaced by every successful load.
const CatalogueList& Catalogue();
std::int16_t CatalogueCount();

// Loads the request's catalogue, parsing the text where it lies (xml is changed). A catalogue
// that is not there, too large, not well-formed or carries a document type declaration leaves
// the catalogue as it was. Returns whether it was replaced. Never throws and shows nothing.
bool LoadCatalogue(std::optional<std::string>& xml);

// Parses catalogue XML into entries (slot 0 empty). Attribute values are converted from UTF-8 to
// the ANSI code page and decoded from the escape form. Returns false, leaving out untouched, when
// the document is not well-formed, has a document type declaration or has no root element.
bool ParseCatalogue(std::string_view xml, CatalogueList& out);

// The same, parsing the text where it lies: xml is changed and must not be used afterwards.
bool ParseCatalogueBuffer(std::string& xml, CatalogueList& out);

}  // namespace tavrel
