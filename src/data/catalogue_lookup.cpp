#include "data/catalogue_lookup.h"

#include "base/failure.h"
#include "base/text.h"

namespace tavrel {
namespace {

// What the texts of a program say when its version record lacks a field.
constexpr std::string_view kMissingInfo = "Missing info.";
constexpr std::string_view kNoVersionInfo = "No version info.";

}  // namespace

std::int32_t FindCatalogEntry(const ChoiceLine& line, const CatalogueList& catalogue) noexcept {
  try {
    const std::string_view display = Need(line.displayName);
    const std::string_view version = Need(line.version);
    // The display name reads company " - " product: the company ends two characters before the
    // first "-", the product starts two after it. A name without "-", or starting with it, has
    // no company at all.
    const auto h = display.find('-');
    if (h == std::string_view::npos || h == 0) return -1;
    const std::string_view company = display.substr(0, h - 1);
    const std::string_view product = h + 2 <= display.size() ? display.substr(h + 2) : "";
    const bool byIdentity = !text::EqualsNoCase(company, kMissingInfo) &&
                            !text::EqualsNoCase(product, kMissingInfo) &&
                            !text::EqualsNoCase(version, kNoVersionInfo);
    std::string_view path;
    if (!byIdentity) path = Need(line.program);
    for (std::size_t n = 1; n < catalogue.size(); ++n) {
      const CatalogueEntry& e = catalogue[n];
      const bool match = byIdentity ? text::EqualsNoCase(e.Company, company) &&
                                          text::EqualsNoCase(e.Product, product) &&
                                          text::EqualsNoCase(e.Version, version)
                                    : text::EqualsNoCase(e.LongPath, path);
      if (match) return static_cast<std::int32_t>(n);
    }
    return -1;
  } catch (...) {
    ClearPendingFailure();
    return -1;
  }
}

}  // namespace tavrel
