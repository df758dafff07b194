// The program catalogue: known programs by identity (company, product, version, or path) with
// the texts the chooser shows for them instead.
#pragma once

#include <string>
#include <vector>

namespace tavrel {

struct CatalogueEntry {
  std::string Company;     // as the program's version resource gives it
  std::string Product;     // product text of the program
  std::string Version;     // version text of the program
  std::string LongPath;    // full path of the program file
  std::string ShortPath;   // short (8.3) path of the program file; not used for look-ups
  std::string CompanyA;    // company name to show instead
  std::string ProductA;    // product name to show instead
  std::string VersionA;    // version text to show instead
  std::string LongPathA;   // full path of the replacement; kept, not used
  std::string ShortPathA;  // short path of the replacement; kept, not used
};

// The loaded catalogue in document order: the entry numbered n (from 1) is Catalogue()[n - 1].
const std::vector<CatalogueEntry>& Catalogue();

}  // namespace tavrel
