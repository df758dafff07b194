#include "data/zip_stream.h"

#include <zlib.h>

#include <vector>

namespace tavrel::package {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

std::string ErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string textOf = zip_error_strerror(&error);
  zip_error_fini(&error);
  return textOf;
}

}  // namespace

Trouble MemberTrouble(const std::string& name, int code, const std::string& detail) {
  const Outcome outcome = code == ZIP_ER_WRONGPASSWD ? Outcome::kWrongPassword : Outcome::kDamaged;
  return {outcome, "member \"" + name + "\": " + detail};
}

Trouble OpenArchive(std::string_view bytes, Archive& archive, std::uint64_t maxMembers) {
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
  if (static_cast<std::uint64_t>(count) > maxMembers) {
    return {Outcome::kTooManyMembers, "the package has " + std::to_string(count) +
                                          " members, more than the " + std::to_string(maxMembers) +
                                          " allowed"};
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

namespace {

bool IsAes(std::uint16_t method) {
  return method == ZIP_EM_AES_128 || method == ZIP_EM_AES_192 || method == ZIP_EM_AES_256;
}

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

}  // namespace

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

Trouble StatMember(zip_t* archive, zip_uint64_t index, zip_stat_t& stat) {
  zip_stat_init(&stat);
  if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME))
    return {Outcome::kDamaged, "member " + std::to_string(index) + " cannot be read"};
  return {};
}

}  // namespace tavrel::package
