#include "data/package.h"

#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <memory>

#include "base/text.h"
#include "data/member_name.h"

namespace tavrel::package {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

struct ArchiveDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveDiscard>;

struct MemberClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using OpenMember = std::unique_ptr<zip_file_t, MemberClose>;

std::string ErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string textOf = zip_error_strerror(&error);
  zip_error_fini(&error);
  return textOf;
}

// A failure of the package as a whole.
struct Trouble {
  Outcome outcome = Outcome::kOk;
  std::string message;
};

Trouble MemberTrouble(const std::string& name, int code, const std::string& detail) {
  const Outcome outcome = code == ZIP_ER_WRONGPASSWD ? Outcome::kWrongPassword : Outcome::kDamaged;
  return {outcome, "member \"" + name + "\": " + detail};
}

Trouble OpenArchive(std::string_view bytes, Archive& archive, const Limits& limits) {
  if (bytes.size() > kMaxPackageBytes) {
    return {Outcome::kDamaged,
            "the package is larger than " + std::to_string(kMaxPackageBytes) + " bytes"};
  }
  zip_error_t error;
  zip_error_init(&error);
  // libzip reads the bytes where they lie and never frees them.
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (!source) {
    zip_error_fini(&error);
    return {Outcome::kDamaged, "the package cannot be read"};
  }
  // Read only. The consistency check compares the local headers with the central directory and
  // refuses two members of the same name, which catches many damaged packages up front.
  archive.reset(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
  if (!archive) {
    zip_source_free(source);  // still ours when the archive was not opened
    const std::string text = ErrorText(zip_error_code_zip(&error));
    zip_error_fini(&error);
    return {Outcome::kDamaged, "the package: " + text};
  }
  zip_error_fini(&error);
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  if (count < 0) return {Outcome::kDamaged, "the package: cannot count its members"};
  if (static_cast<std::uint64_t>(count) > limits.maxMembers) {
    return {Outcome::kTooManyMembers, "the package has " + std::to_string(count) +
                                          " members, more than the " +
                                          std::to_string(limits.maxMembers) + " allowed"};
  }
  return {};
}

// libzip 1.7.3 leaks what it set up for a member whose encryption it has no decoder for (strong
// encryption, general-purpose bit 6, shows as an unknown method), so such a member is refused
// before it is opened.
Trouble RefuseUnreadableEncryption(const zip_stat_t& stat, const std::string& name) {
  if (zip_encryption_method_supported(stat.encryption_method, 0)) return {};
  return {Outcome::kDamaged, "member \"" + name + "\": encryption method " +
                                 std::to_string(stat.encryption_method) + " cannot be read"};
}

bool IsAes(std::uint16_t method) {
  return method == ZIP_EM_AES_128 || method == ZIP_EM_AES_192 || method == ZIP_EM_AES_256;
}

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

using Sink = std::function<bool(const char*, std::size_t)>;

// Reads the member to its end (only at the end are the checksum and the AES authentication code
// verified) and hands every piece to sink; stops early when sink refuses.
Trouble ReadPlain(zip_t* archive, zip_uint64_t index, const std::string& name,
                  std::string_view password, const Sink& sink) {
  const std::string pw(password);
  OpenMember member(zip_fopen_index_encrypted(archive, index, 0, pw.c_str()));
  if (!member) {
    const zip_error_t* error = zip_get_error(archive);
    return MemberTrouble(name, zip_error_code_zip(error),
                         zip_error_strerror(zip_get_error(archive)));
  }
  std::vector<char> buffer(kChunk);
  for (;;) {
    const zip_int64_t n = zip_fread(member.get(), buffer.data(), buffer.size());
    if (n == 0) return {};
    if (n < 0) {
      zip_error_t* error = zip_file_get_error(member.get());
      return MemberTrouble(name, zip_error_code_zip(error), zip_error_strerror(error));
    }
    if (!sink(buffer.data(), static_cast<std::size_t>(n))) return {};
  }
}

// AES entries of the AE-2 kind carry no checksum (the field is 0; the authentication code
// protects the data instead). The libzip of Debian 12 (1.7.3) still checks that 0 against the
// data of such entries of 20 bytes or more and fails. For a deflated entry the decrypted
// compressed stream is taken from libzip instead, which then verifies only the authentication
// code, and inflated here.
Trouble ReadAesWithoutChecksum(zip_t* archive, zip_uint64_t index, const std::string& name,
                               std::string_view password, const Sink& sink) {
  const std::string pw(password);
  OpenMember member(zip_fopen_index_encrypted(archive, index, ZIP_FL_COMPRESSED, pw.c_str()));
  if (!member) {
    const zip_error_t* error = zip_get_error(archive);
    return MemberTrouble(name, zip_error_code_zip(error),
                         zip_error_strerror(zip_get_error(archive)));
  }
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return {Outcome::kDamaged, "zlib failed"};
  const std::unique_ptr<z_stream, int (*)(z_stream*)> inflater(&stream, inflateEnd);

  std::vector<char> input(kChunk);
  std::vector<char> output(kChunk);
  bool ended = false;
  bool wanted = true;
  for (;;) {
    const zip_int64_t n = zip_fread(member.get(), input.data(), input.size());
    if (n < 0) {
      zip_error_t* error = zip_file_get_error(member.get());
      return MemberTrouble(name, zip_error_code_zip(error), zip_error_strerror(error));
    }
    if (n == 0) break;  // the authentication code has been verified
    if (!wanted) return {};
    if (ended) continue;
    stream.next_in = reinterpret_cast<Bytef*>(input.data());
    stream.avail_in = static_cast<uInt>(n);
    while (stream.avail_in > 0 && !ended && wanted) {
      stream.next_out = reinterpret_cast<Bytef*>(output.data());
      stream.avail_out = static_cast<uInt>(output.size());
      const int status = inflate(&stream, Z_NO_FLUSH);
      if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
        return {Outcome::kDamaged, "member \"" + name + "\": compressed data is damaged"};
      }
      ended = status == Z_STREAM_END;
      const std::size_t produced = output.size() - stream.avail_out;
      if (produced > 0) wanted = sink(output.data(), produced);
      if (status == Z_BUF_ERROR && produced == 0) break;
    }
  }
  if (!ended && wanted) {
    return {Outcome::kDamaged, "member \"" + name + "\": compressed data ends early"};
  }
  return {};
}

Trouble ReadMember(zip_t* archive, const zip_stat_t& stat, const std::string& name,
                   std::string_view password, const Sink& sink) {
  const bool checksumZero = (stat.valid & ZIP_STAT_CRC) && stat.crc == 0;
  if (IsAes(stat.encryption_method) && checksumZero && stat.comp_method == ZIP_CM_DEFLATE) {
    return ReadAesWithoutChecksum(archive, stat.index, name, password, sink);
  }
  Trouble trouble = ReadPlain(archive, stat.index, name, password, sink);
  if (trouble.outcome != Outcome::kOk && IsAes(stat.encryption_method) && checksumZero) {
    trouble.message += " (a stored AES entry without checksum cannot be read)";
  }
  return trouble;
}

std::string Describe(std::uint64_t bytes) {
  return std::to_string(bytes) + " bytes";
}

class Reading {
 public:
  Reading(const KeepMember& keep, std::string_view password, const Limits& limits, Result& result)
      : keep_(keep), password_(password), limits_(limits), result_(result) {}

  Trouble Take(zip_t* archive, zip_uint64_t index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)) {
      return {Outcome::kDamaged, "member " + std::to_string(index) + " cannot be read"};
    }
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

Result Read(std::string_view package, const KeepMember& keep, std::string_view password,
            const Limits& limits) {
  Result result;
  Archive archive;
  Trouble trouble = OpenArchive(package, archive, limits);
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

Result List(std::string_view package, std::vector<MemberInfo>& members, std::string_view password,
            const Limits& limits) {
  Result result;
  members.clear();
  Archive archive;
  Trouble trouble = OpenArchive(package, archive, limits);
  const std::string pw(password);
  if (trouble.outcome == Outcome::kOk) {
    const auto count = static_cast<zip_uint64_t>(zip_get_num_entries(archive.get(), 0));
    for (zip_uint64_t i = 0; i < count; ++i) {
      zip_stat_t stat;
      zip_stat_init(&stat);
      if (zip_stat_index(archive.get(), i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)) {
        trouble = {Outcome::kDamaged, "member " + std::to_string(i) + " cannot be read"};
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

}  // namespace tavrel::package
