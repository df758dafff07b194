#include "request/request_trace.h"

#include "base/failure.h"
#include "base/path.h"
#include "request/request_driver.h"

namespace tavrel {
namespace {

// Caller-supplied texts are capped and kept on one line: a trace line must stay one line whatever
// the request held.
constexpr std::size_t kShortField = 40;
constexpr std::size_t kLongField = 100;

std::string Printable(std::string_view text, std::size_t max) {
  const bool cut = text.size() > max;
  // A cut never splits a letter: it backs off over the continuation bytes of its UTF-8 form.
  std::size_t keep = cut ? max : text.size();
  while (cut && keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80)
    --keep;
  std::string out(text.substr(0, keep));
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == '"') c = '?';
  if (cut) out += "...";
  return out;
}

std::string Milliseconds(RequestTrace::Clock::duration time) {
  return std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(time).count()) +
         " ms";
}

// ", start failed (2, file not found)" for a shell result that is not a start.
std::string StartFailure(std::int32_t shellResult) {
  if (shellResult > 32) return {};
  return ", start failed (" + std::to_string(shellResult) + ", " +
         std::string(ShellErrorText(shellResult)) + ")";
}

std::string ChooserPart(std::int32_t rows) {
  return "chooser: " + std::to_string(rows) + " rows";
}

// Sets field to what make gives, or leaves it as it was when that cannot be made.
template <class Make>
void Keep(std::string& field, Make&& make) noexcept {
  try {
    field = make();
  } catch (...) {
  }
}

}  // namespace

void RequestTrace::SetVerb(std::string_view verbLine) noexcept {
  Keep(verb_, [&] { return Printable(verbLine, kShortField); });
}

void RequestTrace::SetTypeKey(std::string_view typeKey) noexcept {
  Keep(typeKey_, [&] { return Printable(typeKey, kShortField); });
}

void RequestTrace::SetDocument(std::string_view documentPath) noexcept {
  Keep(fileName_, [&] { return Printable(path::FileName(documentPath), kLongField); });
}

void RequestTrace::CatalogueNotLoaded(std::string_view reason) noexcept {
  Keep(catalogueProblem_, [&] { return std::string(reason); });
}

std::int32_t RequestTrace::Pass(std::string_view reason) noexcept {
  Keep(decision_, [&] { return "pass: " + std::string(reason); });
  return kNotHandled;
}

void RequestTrace::StartedDefault(std::string_view program, std::int32_t shellResult) noexcept {
  Keep(decision_, [&] {
    const std::string failure = StartFailure(shellResult);
    return failure.empty() ? "default: started " + WithoutFolders(program)
                           : "default:" + failure.substr(1);
  });
}

void RequestTrace::Picked(std::int32_t position, std::string_view name,
                          std::int32_t shellResult) noexcept {
  Keep(decision_, [&] {
    return ChooserPart(rows_) + ", picked " + std::to_string(position) + " (" +
           Printable(name, kLongField) + ")" + StartFailure(shellResult);
  });
}

void RequestTrace::PickedWindowsDefault(std::int32_t position) noexcept {
  Keep(decision_, [&] {
    return ChooserPart(rows_) + ", picked " + std::to_string(position) + " (the Windows default)";
  });
}

void RequestTrace::ClosedWithoutPick() noexcept {
  Keep(decision_, [&] { return ChooserPart(rows_) + ", closed without a pick"; });
}

std::string RequestTrace::Line(std::int32_t result, Clock::time_point end) const noexcept {
  try {
    std::string line = "TavrelCommander: ";
    std::string about;
    if (!verb_.empty()) about += "verb \"" + verb_ + "\", ";
    if (!typeKey_.empty()) about += "type " + typeKey_ + ", ";
    if (!fileName_.empty()) about += "file \"" + fileName_ + "\", ";
    if (!about.empty()) line += about.substr(0, about.size() - 2) + ": ";

    if (failureNumber_ != 0) {
      line += "pass: failure " + std::to_string(failureNumber_);
      const std::string description = StandardDescription(failureNumber_);
      if (!description.empty()) line += " (" + description + ")";
    } else if (decision_.empty()) {
      line += "pass: no decision recorded";
    } else {
      line += decision_;
      if (result == kNotHandled && decision_.compare(0, 5, "pass:") != 0)
        line += ", shell carries on";
    }

    line += "; rows " + std::to_string(rows_) + ", result " + std::to_string(result) + ", " +
            Milliseconds(end - start_ - userTime_);
    if (userTime_ != Clock::duration::zero()) line += ", chooser open " + Milliseconds(userTime_);
    if (!catalogueProblem_.empty()) line += "; catalogue not loaded: " + catalogueProblem_;
    return line;
  } catch (...) {
    return {};
  }
}

std::string WithoutFolders(std::string_view path) {
  const std::string_view name = path::FileName(path);
  const std::string_view location = path::Parent(path);
  // The root stays: a drive ("C:") or a server ("\\server").
  const std::string_view root = path::Root(location);
  const std::string_view folders = location.substr(root.size());
  if (folders.empty() || folders == "\\" || folders == "/") return Printable(path, kLongField);
  std::string out = Printable(root, kShortField);
  if (folders.front() == '\\' || folders.front() == '/') out += '\\';
  return out + "...\\" + Printable(name, kLongField);
}

std::string_view ShellErrorText(std::int32_t shellResult) {
  switch (shellResult) {
    case 0:
    case 8:
      return "out of memory";
    case 2:
      return "file not found";
    case 3:
      return "path not found";
    case 5:
      return "access denied";
    case 11:
      return "not a valid program";
    case 26:
      return "sharing violation";
    case 27:
      return "incomplete file association";
    case 28:
    case 29:
    case 30:
      return "DDE conversation failed";
    case 31:
      return "no program for the file type";
    case 32:
      return "library not found";
    default:
      return "shell error";
  }
}

}  // namespace tavrel
