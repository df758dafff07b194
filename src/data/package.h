// Reading a data package held in memory: a password-protected zip archive whose members are
// taken flat, under their base names. The package is untrusted: member names are checked
// (member_name.h), sizes and compression ratios are bounded, every member is read to its end so
// that its checksum or authentication code counts, and a package that cannot be read as a whole
// yields nothing. The reader needs no operating-system service: the caller reads the file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::package {

// The password the product's packages are encrypted with.
inline constexpr std::string_view kPassword = "746Rudo+";

struct Limits {
  std::uint64_t maxMemberBytes = 64ull << 20;  // a member larger than this is skipped
  std::uint64_t maxTotalBytes = 256ull << 20;  // members past this total are skipped
  std::uint64_t ratioCheckFrom = 1ull << 20;   // the ratio bound applies from this size on
  std::uint64_t maxRatio = 200;                // uncompressed : compressed
  std::uint64_t maxMembers = 4096;             // a package with more members is refused
};

// The largest package file read into memory: every member at its bound, with room for headers.
inline constexpr std::uint64_t kMaxPackageBytes = 512ull << 20;

enum class Outcome {
  kOk,
  kMissing,         // the package file cannot be opened
  kDamaged,         // not a zip archive, truncated, inconsistent or failing its checks
  kWrongPassword,   // the password does not open a member
  kTooManyMembers,  // refused before anything is read
  kWriteFailed,     // a member could not be written out (by a caller that writes files)
};

// The outcome in a few plain words, as they follow "data package": "damaged (wrong password)".
std::string_view OutcomeText(Outcome outcome);

struct SkippedMember {
  std::string name;  // as stored in the package
  std::string reason;
};

// One member as read: its base name and its bytes.
struct Member {
  std::string name;
  std::string content;
};

struct [[nodiscard]] Result {
  Outcome outcome = Outcome::kOk;
  std::string message;                 // what went wrong, for people; empty when all went well
  std::vector<Member> members;         // kept members in package order; empty unless kOk
  std::vector<SkippedMember> skipped;  // members left out, with the reason
  bool ok() const { return outcome == Outcome::kOk; }
};

// Which members a reader keeps, by base name; the others are read through and checked all the
// same, count towards the total bound, and are dropped. Empty: every member is kept.
using KeepMember = std::function<bool(std::string_view name)>;

// Reads every acceptable member of the package bytes, decrypting with password (the product's own
// is kPassword; the server applies it when it unpacks). Two members whose
// base names are equal without regard to case give one member: the later one's bytes under the
// earlier one's name, as a Windows folder would hold them. Two members whose stored names are
// exactly the same make the package inconsistent (kDamaged). Never throws except for lack of
// memory.
Result Read(std::string_view package, std::string_view password, const KeepMember& keep = {},
            const Limits& limits = {});

}  // namespace tavrel::package
