// Listing a data package's members and testing the password on each, without reading their data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/package.h"

namespace tavrel::pack {

struct MemberInfo {
  std::string name;
  std::uint64_t size = 0;
  std::uint64_t compressedSize = 0;
  std::string encryption;      // "none", "PKWARE", "AES-128", "AES-192", "AES-256", "other"
  bool passwordOpens = false;  // the password passes the member's check
};

// Lists the members of the package bytes. The outcome is kWrongPassword when the password fails
// on an encrypted member, kDamaged for a member whose encryption cannot be read; the result holds
// no member's bytes.
package::Result List(std::string_view package, std::string_view password,
                     std::vector<MemberInfo>& members, const package::Limits& limits = {});

}  // namespace tavrel::pack
