// Fuzzes the data package reader with arbitrary bytes as the package: no crash, no leak, and
// what it yields stays within its bounds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/member_name.h"
#include "data/package.h"
#include "package_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavrel::package;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Limits limits;
  const Result result = Read(bytes, kPassword);
  if (!result.ok() && !result.members.empty()) std::abort();
  std::uint64_t total = 0;
  for (const Member& member : result.members) {
    if (member.content.size() > limits.maxMemberBytes) std::abort();
    if (ExtractedName(member.name) != member.name) std::abort();
    total += member.content.size();
  }
  if (total > limits.maxTotalBytes) std::abort();
  std::vector<tavrel::pack::MemberInfo> listed;
  if (!tavrel::pack::List(bytes, kPassword, listed).members.empty())
    std::abort();  // a listing reads no member's bytes
  if (listed.size() > limits.maxMembers) std::abort();
  return 0;
}
