#include "data/package_writer.h"

#include <zip.h>

namespace tavrel::package {

void PackageWriter::Discard::operator()(zip* archive) const {
  zip_discard(archive);
}

PackageWriter::PackageWriter(const std::string& path, Encryption encryption,
                             std::string_view password)
    : encryption_(encryption), password_(password) {
  int code = 0;
  archive_.reset(zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code));
  if (!archive_) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    error_ = path + ": " + zip_error_strerror(&error);
    zip_error_fini(&error);
  }
}

PackageWriter::~PackageWriter() = default;

bool PackageWriter::Encrypt(long long index) {
  zip_uint16_t method = ZIP_EM_NONE;
  switch (encryption_) {
    case Encryption::kNone:
      return true;
    case Encryption::kPkware:
      method = ZIP_EM_TRAD_PKWARE;
      break;
    case Encryption::kAes256:
      method = ZIP_EM_AES_256;
      break;
  }
  if (zip_file_set_encryption(archive_.get(), static_cast<zip_uint64_t>(index), method,
                              password_.c_str()) != 0) {
    error_ = zip_strerror(archive_.get());
    return false;
  }
  return true;
}

bool PackageWriter::AddFile(const std::string& name, const std::string& sourcePath) {
  if (!archive_) return false;
  return Add(name, zip_source_file(archive_.get(), sourcePath.c_str(), 0, -1), sourcePath + ": ");
}

bool PackageWriter::AddBytes(const std::string& name, std::string content) {
  if (!archive_) return false;
  const std::string& kept = contents_.emplace_back(std::move(content));
  return Add(name, zip_source_buffer(archive_.get(), kept.data(), kept.size(), 0), "");
}

bool PackageWriter::Add(const std::string& name, zip_source_t* source, const std::string& origin) {
  if (!source) {
    error_ = origin + zip_strerror(archive_.get());
    return false;
  }
  const zip_int64_t index = zip_file_add(archive_.get(), name.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    error_ = name + ": " + zip_strerror(archive_.get());
    return false;
  }
  return Encrypt(index);
}

bool PackageWriter::Close() {
  if (!archive_) return false;
  if (zip_close(archive_.get()) != 0) {
    error_ = zip_strerror(archive_.get());
    return false;  // the destructor discards what was not written
  }
  static_cast<void>(archive_.release());  // zip_close has freed it
  return true;
}

}  // namespace tavrel::package
