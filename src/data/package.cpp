#include "data/package.h"

#include <algorithm>

#include "base/text.h"
#include "data/member_name.h"
#include "data/zip_stream.h"

namespace tavrel::package {
namespace {

std::string Describe(std::uint64_t bytes) {
  return std::to_string(bytes) + " bytes";
}

class Reading {
 public:
  Reading(const KeepMember& keep, std::string_view password, const Limits& limits, Result& result)
      : keep_(keep), password_(password), limits_(limits), result_(result) {}

  Trouble Take(zip_t* archive, zip_uint64_t index) {
    zip_stat_t stat;
    if (Trouble trouble = StatMember(archive, index, stat); !trouble.ok()) return trouble;
    const std::string name = stat.name;
    if (!name.empty() && (name.back() == '/' || name.back() == '\\')) return {};  // a folder
    std::string reason;
    const std::optional<std::string> target = ExtractedName(name, &reason);
    if (!target) return Skip(name, reason);
    const auto sizes = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE;
    if ((stat.valid & sizes) != sizes) {
      return {Outcome::kDamaged, "member \"" + name + "\" has no sizes"};
    }
    if (stat.size > limits_.maxMemberBytes) {
      return Skip(name, "declares " + Describe(stat.size) + ", more than " +
                            Describe(limits_.maxMemberBytes));
    }
    if (stat.size >= limits_.ratioCheckFrom &&
        stat.size / std::max<std::uint64_t>(stat.comp_size, 1) > limits_.maxRatio) {
      return Skip(name, "compression ratio above " + std::to_string(limits_.maxRatio) + ":1");
    }
    if (total_ + stat.size > limits_.maxTotalBytes) {
      return Skip(name, "the package's members exceed " + Describe(limits_.maxTotalBytes));
    }
    if (Trouble refused = RefuseUnreadableEncryption(stat, name); refused.outcome != Outcome::kOk)
      return refused;
    return Load(archive, stat, name, *target);
  }

 private:
  Trouble Skip(const std::string& name, std::string reason) {
    result_.skipped.push_back({name, std::move(reason)});
    return {};
  }

  // The member a base name goes to: an earlier one of the same name, or a new one at the end.
  Member& Slot(const std::string& target) {
    auto& members = result_.members;
    const auto same = std::find_if(members.begin(), members.end(), [&](const Member& member) {
      return text::EqualsNoCase(member.name, target);
    });
    if (same != members.end()) return *same;
    return members.emplace_back(Member{target, {}});
  }

  Trouble Load(zip_t* archive, const zip_stat_t& stat, const std::string& name,
               const std::string& target) {
    const bool kept = !keep_ || keep_(target);
    std::string content;
    // The declared size is bounded above; a member cannot hold more than it declares.
    if (kept) content.reserve(static_cast<std::size_t>(stat.size));
    std::uint64_t produced = 0;
    bool tooLarge = false;
    Trouble trouble =
        ReadMember(archive, stat, name, password_, [&](const char* data, std::size_t n) {
          produced += n;
          if (produced > stat.size) {
            tooLarge = true;
            return false;
          }
          if (kept) content.append(data, n);
          return true;
        });
    if (trouble.outcome != Outcome::kOk) return trouble;
    if (tooLarge || produced != stat.size) {
      return {Outcome::kDamaged, "member \"" + name + "\" holds " + Describe(produced) +
                                     ", not the " + Describe(stat.size) + " it declares"};
    }
    total_ += stat.size;
    if (kept) Slot(target).content = std::move(content);
    return {};
  }

  const KeepMember& keep_;
  std::string_view password_;
  const Limits& limits_;
  Result& result_;
  std::uint64_t total_ = 0;
};

}  // namespace

std::string_view OutcomeText(Outcome outcome) {
  switch (outcome) {
    case Outcome::kOk:
      return "read";
    case Outcome::kMissing:
      return "missing";
    case Outcome::kDamaged:
      return "damaged";
    case Outcome::kWrongPassword:
      return "damaged (wrong password)";
    case Outcome::kTooManyMembers:
      return "refused (too many members)";
    case Outcome::kWriteFailed:
      return "not read (a member could not be written out)";
  }
  return "not read";
}

Result Read(std::string_view package, std::string_view password, const KeepMember& keep,
            const Limits& limits) {
  Result result;
  Archive archive;
  Trouble trouble = OpenArchive(package, archive, limits.maxMembers);
  if (trouble.outcome == Outcome::kOk) {
    Reading reading(keep, password, limits, result);
    const auto count = static_cast<zip_uint64_t>(zip_get_num_entries(archive.get(), 0));
    for (zip_uint64_t i = 0; i < count && trouble.outcome == Outcome::kOk; ++i) {
      trouble = reading.Take(archive.get(), i);
    }
  }
  if (trouble.outcome != Outcome::kOk) result.members.clear();
  result.outcome = trouble.outcome;
  result.message = std::move(trouble.message);
  return result;
}

}  // namespace tavrel::package
