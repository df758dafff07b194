// Writing a data package: a zip archive whose members are encrypted with the product's password,
// by traditional PKWARE encryption (readable by every zip tool) or WinZip AES-256.
#pragma once

#include <list>
#include <memory>
#include <string>
#include <string_view>

#include "data/package.h"

struct zip;
struct zip_source;

namespace tavrel::package {

enum class Encryption { kNone, kPkware, kAes256 };

class PackageWriter {
 public:
  // Starts a new package at path, replacing a file that is there when Close succeeds.
  PackageWriter(const std::string& path, Encryption encryption,
                std::string_view password = kPassword);
  ~PackageWriter();
  PackageWriter(const PackageWriter&) = delete;
  PackageWriter& operator=(const PackageWriter&) = delete;

  // Each returns false and keeps the reason in Error() when libzip refuses.
  [[nodiscard]] bool AddFile(const std::string& name, const std::string& sourcePath);
  [[nodiscard]] bool AddBytes(const std::string& name, std::string content);
  // Writes the package; nothing is written before.
  [[nodiscard]] bool Close();

  const std::string& Error() const { return error_; }

 private:
  // Adds a member read from source (which it owns from here on); origin prefixes a failure.
  [[nodiscard]] bool Add(const std::string& name, zip_source* source, const std::string& origin);
  [[nodiscard]] bool Encrypt(long long index);

  struct Discard {
    void operator()(zip* archive) const;
  };
  std::unique_ptr<zip, Discard> archive_;
  Encryption encryption_;
  std::string password_;
  std::list<std::string> contents_;  // buffers libzip reads when the package is closed
  std::string error_;
};

}  // namespace tavrel::package
