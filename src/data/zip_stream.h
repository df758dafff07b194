// The zip library's side of a data package held in memory: opening it, a member's details, and a
// member's bytes read to its end, with the workaround for AES entries without a checksum. The
// package reader (package.cpp) and the package tool's listing use it.
#pragma once

#include <zip.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "data/package.h"

namespace tavrel::package {

struct ArchiveDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveDiscard>;

struct MemberClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using OpenMember = std::unique_ptr<zip_file_t, MemberClose>;

// A failure of the package as a whole; kOk when there is none.
struct Trouble {
  Outcome outcome = Outcome::kOk;
  std::string message;
  bool ok() const { return outcome == Outcome::kOk; }
};

// A member's failure that libzip reported with code: a wrong password, or damage.
Trouble MemberTrouble(const std::string& name, int code, const std::string& detail);

// Opens the package's bytes (which must outlive the archive) read only, checked for consistency;
// a package of more than maxMembers members is refused.
Trouble OpenArchive(std::string_view bytes, Archive& archive, std::uint64_t maxMembers);

// The member's details, its name among them.
Trouble StatMember(zip_t* archive, zip_uint64_t index, zip_stat_t& stat);

// Refuses a member whose encryption libzip has no decoder for, before it is opened.
Trouble RefuseUnreadableEncryption(const zip_stat_t& stat, const std::string& name);

// Takes a piece of a member's bytes; false stops the reading early.
using Sink = std::function<bool(const char*, std::size_t)>;

// Reads the member to its end (only at the end are the checksum and the AES authentication code
// verified) and hands every piece to sink; stops early when sink refuses.
Trouble ReadMember(zip_t* archive, const zip_stat_t& stat, const std::string& name,
                   std::string_view password, const Sink& sink);

}  // namespace tavrel::package
