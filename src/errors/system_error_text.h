// The system's own text for an error number.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// The system's text for number, from the network message table (2100 to 2999, on the NT family)
// or the internet message table (12000 to 12171) where the number belongs to one, else from the
// system's own; "Error (n) not defined." when there is none. Never empty.
std::string GetSystemErrorText(std::int32_t number);

}  // namespace tavrel
