// Looking a program the user added up in the catalogue.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "data/catalogue.h"

namespace tavrel {

// The number (from 1; slot 0 is never looked at) of the first catalogue entry matching a user-added
// program, given the fields of its line without the key (display name, version, status, path, short
// path): by company, product and version, or by path when one of them is missing. -1 when none
// matches or the fields cannot be read. Never raises.
std::int32_t FindCatalogEntry(const std::vector<std::string_view>& program,
                              const CatalogueList& catalogue) noexcept;

}  // namespace tavrel
