// Fuzzes the catalogue reader with arbitrary documents: no crash, no leak, a bounded count.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tavrel::CatalogueList entries;
  const bool parsed =
      tavrel::ParseCatalogue(std::string_view(reinterpret_cast<const char*>(data), size),
                             entries) == tavrel::CatalogueLoad::kLoaded;
  if (parsed && (entries.empty() || entries.size() > tavrel::kMaxCatalogueEntries + 1)) {
    std::abort();
  }
  if (!parsed && !entries.empty()) std::abort();  // a failed parse leaves the list alone
  return 0;
}
