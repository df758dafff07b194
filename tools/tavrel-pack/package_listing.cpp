#include "package_listing.h"

#include "data/zip_stream.h"

namespace tavrel::pack {
namespace {

using namespace package;

std::string EncryptionName(std::uint16_t method) {
  switch (method) {
    case ZIP_EM_NONE:
      return "none";
    case ZIP_EM_TRAD_PKWARE:
      return "PKWARE";
    case ZIP_EM_AES_128:
      return "AES-128";
    case ZIP_EM_AES_192:
      return "AES-192";
    case ZIP_EM_AES_256:
      return "AES-256";
    default:
      return "other";
  }
}

}  // namespace

package::Result List(std::string_view package, std::string_view password,
                     std::vector<MemberInfo>& members, const package::Limits& limits) {
  package::Result result;
  members.clear();
  Archive archive;
  Trouble trouble = OpenArchive(package, archive, limits.maxMembers);
  const std::string pw(password);
  if (trouble.outcome == Outcome::kOk) {
    const auto count = static_cast<zip_uint64_t>(zip_get_num_entries(archive.get(), 0));
    for (zip_uint64_t i = 0; i < count; ++i) {
      zip_stat_t stat;
      if (Trouble unread = StatMember(archive.get(), i, stat); !unread.ok()) {
        trouble = std::move(unread);
        break;
      }
      MemberInfo info{stat.name, stat.size, stat.comp_size, EncryptionName(stat.encryption_method),
                      true};
      Trouble refused = RefuseUnreadableEncryption(stat, info.name);
      if (refused.outcome != Outcome::kOk) {
        info.passwordOpens = false;
        if (trouble.outcome == Outcome::kOk) trouble = std::move(refused);
      } else if (stat.encryption_method != ZIP_EM_NONE) {
        // Opening a member checks the password against the member's header.
        OpenMember member(zip_fopen_index_encrypted(archive.get(), i, 0, pw.c_str()));
        info.passwordOpens = static_cast<bool>(member);
        if (!member && trouble.outcome == Outcome::kOk) {
          trouble = MemberTrouble(info.name, zip_error_code_zip(zip_get_error(archive.get())),
                                  zip_error_strerror(zip_get_error(archive.get())));
        }
      }
      members.push_back(std::move(info));
    }
  }
  result.outcome = trouble.outcome;
  result.message = std::move(trouble.message);
  return result;
}

}  // namespace tavrel::pack
