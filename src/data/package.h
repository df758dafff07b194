// Reading a data package: a password-protected zip archive whose members are extracted flat
// into one folder. The package is untrusted: member names are checked (member_name.h), sizes and
// compression ratios are bounded, and a package that cannot be read as a whole writes nothing.
#pragma once

#include <cstdint>
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

enum class Outcome {
  kOk,
  kMissing,         // the package file cannot be opened
  kDamaged,         // not a zip archive, truncated, inconsistent or failing its checks
  kWrongPassword,   // the password does not open a member
  kTooManyMembers,  // refused before anything is read
  kWriteFailed,     // a member could not be written into the folder
};

// The outcome in a few plain words, as they follow "data package": "damaged (wrong password)".
std::string_view OutcomeText(Outcome outcome);

struct SkippedMember {
  std::string name;  // as stored in the package
  std::string reason;
};

struct Result {
  Outcome outcome = Outcome::kOk;
  std::string message;                 // what went wrong, for people; empty when all went well
  std::vector<std::string> written;    // names written into the folder, in package order
  std::vector<SkippedMember> skipped;  // members left out, with the reason
  bool ok() const { return outcome == Outcome::kOk; }
};

// Extracts every acceptable member of the package into folder (which must exist), decrypting
// with password. When the outcome is not kOk, the files this call had written are removed again.
// The package itself is only read. Never throws except for lack of memory.
Result Extract(const std::string& packagePath, const std::string& folder,
               std::string_view password = kPassword, const Limits& limits = {});

struct MemberInfo {
  std::string name;
  std::uint64_t size = 0;
  std::uint64_t compressedSize = 0;
  std::string encryption;      // "none", "PKWARE", "AES-128", "AES-192", "AES-256", "other"
  bool passwordOpens = false;  // the password passes the member's check
};

// Lists the members and tests the password on each without extracting anything. The outcome is
// kWrongPassword when the password fails on an encrypted member.
Result List(const std::string& packagePath, std::vector<MemberInfo>& members,
            std::string_view password = kPassword, const Limits& limits = {});

// The folder separator of the system the program runs on.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace tavrel::package
