// Looking a program the user added up in the catalogue.
#pragma once

#include <cstdint>

#include "data/catalogue.h"
#include "data/user_choices.h"

namespace tavrel {

// The number (from 1; slot 0 is never looked at) of the first catalogue entry matching a user-added
// program's choice line: by company, product and version (from its display name and version), or
// by its program path when one of them is missing. -1 when none matches or a field it needs is
// not on the line. Never raises.
std::int32_t FindCatalogEntry(const ChoiceLine& line, const CatalogueList& catalogue) noexcept;

}  // namespace tavrel
