// The program catalogue: known programs, identified by company, product and version (or by
// path), and the texts the chooser shows for them instead.
#pragma once

#include <string>
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

// Entries numbered 1 to the count; slot 0 exists and stays empty.
using CatalogueList = std::vector<CatalogueEntry>;

// The process-wide catalogue.
const CatalogueList& Catalogue();

}  // namespace tavrel
