#include "data/unpack.h"

#include <array>
#include <limits>

#include "base/failure.h"
#include "base/text.h"
#include "data/catalogue.h"
#include "data/package.h"
#include "errors/reporting.h"

namespace tavrel {
namespace {

constexpr std::uint64_t kAnySize = std::numeric_limits<std::uint64_t>::max();
constexpr std::string_view kCatalogueName = "QXma.xml";
constexpr std::string_view kCheckFileName = "QXcat.xml";

// The slot of a file name in DataFiles, or none.
std::optional<std::string>* SlotOf(DataFiles& files, std::string_view name) {
  const std::array<std::optional<std::string>*, 3> choices = {&files.add, &files.del, &files.def};
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (text::EqualsNoCase(name, kChoiceFileNames[i])) return choices[i];
  return text::EqualsNoCase(name, kCatalogueName) ? &files.catalogue : nullptr;
}

// Reads the work folder's choice files and catalogue; false when it holds no choice file. A
// choice file that is there but cannot be read counts, and gives an empty list.
bool ReadWorkFolder(DataSource& source, DataFiles& files) {
  bool found = false;
  for (const std::string_view name : kChoiceFileNames) {
    std::string bytes;
    const files::FileRead read = source.ReadWorkFile(name, kAnySize, bytes);
    if (read == files::FileRead::kMissing) continue;
    found = true;
    if (read == files::FileRead::kRead) *SlotOf(files, name) = std::move(bytes);
  }
  if (!found) return false;
  std::string xml;
  if (source.ReadWorkFile(kCatalogueName, kMaxCatalogueFileBytes, xml) == files::FileRead::kRead)
    files.catalogue = std::move(xml);
  return true;
}

}  // namespace

DataFiles ReadDataFiles(DataSource& source) {
  DataFiles files;
  if (ReadWorkFolder(source, files)) return files;

  std::string bytes;
  files::FileRead read = files::FileRead::kMissing;
  for (int attempt = 0; attempt < kPackageAttempts; ++attempt) {
    if (attempt > 0) SkipFailure([&] { source.WaitBeforeRetry(); });
    read = source.ReadPackage(bytes);
    if (read != files::FileRead::kLocked) break;
  }
  if (read != files::FileRead::kRead) {
    files.problem = read == files::FileRead::kLocked     ? "data package locked by another program"
                    : read == files::FileRead::kTooLarge ? "data package too large"
                                                         : "data package missing";
    return files;
  }

  bool checkFileThere = false;
  package::Result package = package::Read(bytes, package::kPassword, [&](std::string_view name) {
    if (text::EqualsNoCase(name, kCheckFileName)) checkFileThere = true;
    return SlotOf(files, name) != nullptr;
  });
  std::string().swap(bytes);  // the members are out; the package's bytes are not needed
  if (!package.ok()) {
    files.problem = "data package " + std::string(package::OutcomeText(package.outcome));
    return files;
  }
  for (package::Member& member : package.members)
    *SlotOf(files, member.name) = std::move(member.content);
  if (!checkFileThere) {
    files.problem = "data package holds no check file";
    ClearPendingFailure();
    SkipFailure([&] { source.ReportMissingCheckFile(); });
  }
  return files;
}

}  // namespace tavrel
