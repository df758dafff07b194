#include "pack_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "data/package.h"
#include "data/package_writer.h"
#include "package_listing.h"

namespace tavrel::pack {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: tavrel-pack create [--aes] [--password PW] OUT.dat DIR\n"
    "       tavrel-pack list [--password PW] PKG\n"
    "       tavrel-pack extract [--password PW] PKG DIR\n"
    "The password is the product's own unless --password is given. create packs the files\n"
    "directly inside DIR (not its sub-folders) with traditional PKWARE encryption, or with\n"
    "WinZip AES-256 when --aes is given.\n";

struct Options {
  bool aes = false;
  std::string password{package::kPassword};
  std::vector<std::string> operands;
};

std::optional<Options> Parse(const std::vector<std::string>& arguments, bool allowAes) {
  Options options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--aes" && allowAes) {
      options.aes = true;
    } else if (argument == "--password" && i + 1 < arguments.size()) {
      options.password = arguments[++i];
    } else if (argument.size() > 1 && argument[0] == '-' && argument[1] == '-') {
      return std::nullopt;
    } else {
      options.operands.push_back(argument);
    }
  }
  return options;
}

int ExitFor(package::Outcome outcome) {
  switch (outcome) {
    case package::Outcome::kOk:
      return kExitOk;
    case package::Outcome::kMissing:
      return kExitMissing;
    case package::Outcome::kWrongPassword:
      return kExitWrongPassword;
    case package::Outcome::kDamaged:
      return kExitDamaged;
    case package::Outcome::kTooManyMembers:
    case package::Outcome::kWriteFailed:
      break;
  }
  return kExitFailed;
}

int Failed(const package::Result& result, std::ostream& err) {
  const char* what = "failed";
  switch (result.outcome) {
    case package::Outcome::kWrongPassword:
      what = "wrong password";
      break;
    case package::Outcome::kDamaged:
      what = "damaged package (or wrong password)";
      break;
    case package::Outcome::kMissing:
      what = "package missing";
      break;
    case package::Outcome::kTooManyMembers:
      what = "package refused";
      break;
    default:
      break;
  }
  err << "tavrel-pack: " << what << ": " << result.message << "\n";
  return ExitFor(result.outcome);
}

// Reads the whole package file; kMissing when it cannot be opened, kDamaged when it is larger
// than any package the reader takes.
package::Outcome ReadPackageFile(const fs::path& path, std::string& bytes, std::string& message) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    message = path.string() + ": cannot be opened";
    return package::Outcome::kMissing;
  }
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::uint64_t>(size) > package::kMaxPackageBytes) {
    message = path.string() + ": too large for a package";
    return package::Outcome::kDamaged;
  }
  bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  if (!in.read(bytes.data(), size)) {
    message = path.string() + ": cannot be read";
    return package::Outcome::kMissing;
  }
  return package::Outcome::kOk;
}

// Reads the package file and then the package; a file that cannot be read gives its outcome.
package::Result ReadPackage(const std::string& path, const std::string& password,
                            std::vector<MemberInfo>* listing) {
  std::string bytes;
  package::Result result;
  result.outcome = ReadPackageFile(path, bytes, result.message);
  if (!result.ok()) return result;
  if (listing) return List(bytes, password, *listing);
  return package::Read(bytes, password);
}

// Writes the members into folder; on a failure removes what it wrote and says which file failed.
bool WriteMembers(const std::vector<package::Member>& members, const fs::path& folder,
                  std::string& message) {
  std::vector<fs::path> written;
  for (const package::Member& member : members) {
    const fs::path path = folder / member.name;
    written.push_back(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out ||
        !out.write(member.content.data(), static_cast<std::streamsize>(member.content.size()))) {
      out.close();
      std::error_code ignored;
      for (const fs::path& done : written)
        fs::remove(done, ignored);
      message = path.string() + ": cannot be written";
      return false;
    }
  }
  return true;
}

int Create(const Options& options, std::ostream& out, std::ostream& err) {
  if (options.operands.size() != 2) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string& output = options.operands[0];
  const fs::path folder = options.operands[1];
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    err << "tavrel-pack: no such folder: " << folder.string() << "\n";
    return kExitMissing;
  }
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file(error)) files.push_back(entry.path());
  }
  if (error) {
    err << "tavrel-pack: cannot read " << folder.string() << ": " << error.message() << "\n";
    return kExitFailed;
  }
  std::sort(files.begin(), files.end());
  const auto encryption = options.aes ? package::Encryption::kAes256 : package::Encryption::kPkware;
  package::PackageWriter writer(output, encryption, options.password);
  for (const fs::path& file : files) {
    if (!writer.AddFile(file.filename().string(), file.string())) {
      err << "tavrel-pack: " << writer.Error() << "\n";
      return kExitFailed;
    }
  }
  if (!writer.Close()) {
    err << "tavrel-pack: cannot write " << output << ": " << writer.Error() << "\n";
    return kExitFailed;
  }
  out << "created " << output << " with " << files.size() << " member(s), "
      << (options.aes ? "AES-256" : "PKWARE") << " encryption\n";
  return kExitOk;
}

int List(const Options& options, std::ostream& out, std::ostream& err) {
  if (options.operands.size() != 1) {
    err << kUsage;
    return kExitUsage;
  }
  std::vector<MemberInfo> members;
  const package::Result result = ReadPackage(options.operands[0], options.password, &members);
  for (const MemberInfo& member : members) {
    out << member.size << "\t" << member.compressedSize << "\t" << member.encryption << "\t"
        << member.name << (member.passwordOpens ? "" : "\t(password fails)") << "\n";
  }
  if (!result.ok()) return Failed(result, err);
  return kExitOk;
}

int Extract(const Options& options, std::ostream& out, std::ostream& err) {
  if (options.operands.size() != 2) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string& folder = options.operands[1];
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    err << "tavrel-pack: no such folder: " << folder << "\n";
    return kExitMissing;
  }
  package::Result result = ReadPackage(options.operands[0], options.password, nullptr);
  if (result.ok() && !WriteMembers(result.members, folder, result.message))
    result.outcome = package::Outcome::kWriteFailed;
  if (!result.ok()) return Failed(result, err);
  for (const package::Member& member : result.members)
    out << "extracted " << member.name << "\n";
  for (const package::SkippedMember& skipped : result.skipped) {
    err << "tavrel-pack: skipped \"" << skipped.name << "\": " << skipped.reason << "\n";
  }
  return result.skipped.empty() ? kExitOk : kExitSkipped;
}

}  // namespace

int RunCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string& command = arguments[0];
  const std::optional<Options> options = Parse(arguments, command == "create");
  if (!options) {
    err << kUsage;
    return kExitUsage;
  }
  if (command == "create") return Create(*options, out, err);
  if (command == "list") return List(*options, out, err);
  if (command == "extract") return Extract(*options, out, err);
  err << kUsage;
  return kExitUsage;
}

}  // namespace tavrel::pack
