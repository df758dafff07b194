#include "request/request_driver.h"

#include <optional>
#include <string>

#include "base/failure.h"
#include "base/utf.h"
#include "errors/reporting.h"
#include "fileinfo/file_type.h"
#include "os/os.h"
#include "request/candidate_rows.h"
#include "request/request_lines.h"

namespace tavrel {
namespace {

// Marks a request as in progress for as long as it lives; a second one made while the first
// lives is not entered.
class InProgressGuard {
 public:
  explicit InProgressGuard(bool& inProgress) noexcept
      : inProgress_(inProgress), entered_(!inProgress) {
    inProgress_ = true;
  }
  ~InProgressGuard() {
    if (entered_) inProgress_ = false;
  }
  InProgressGuard(const InProgressGuard&) = delete;
  InProgressGuard& operator=(const InProgressGuard&) = delete;

  bool Entered() const noexcept { return entered_; }

 private:
  bool& inProgress_;
  bool entered_;
};

// Whether the attributes are those of a normal file (not a folder, not hidden, not a system file).
bool IsNormalFile(std::optional<std::uint32_t> attributes) {
  return os::IsFile(attributes, os::kAttrHidden | os::kAttrSystem);
}

// The description of the Windows default program for the document. A failure while obtaining it
// leaves a plain "Windows Default" row instead of ending the request.
DefaultInfo ObtainDefaultInfo(RequestFiles& files, const std::string& document) {
  try {
    return DefaultInfo::Of(files.DefaultProgram(document));
  } catch (...) {
    ClearPendingFailure();
    return DefaultInfo::Failed();
  }
}

// Arms the ignore marker and launches the program; when it does not start, the marker is put
// back as it was, so that no later request is passed through for a start that never happened.
LaunchResult StartProgram(const RequestServices& services, const std::string& program,
                          const std::string& document, const std::string& verb,
                          const SearchFolders& folders) {
  const IgnoreMarkerState before = services.markers.Arm();
  LaunchResult result;
  try {
    result = services.launcher.Launch(program, document, verb, folders);
  } catch (...) {
    services.markers.Restore(before);
    throw;
  }
  if (!result.started) services.markers.Restore(before);
  return result;
}

// Why a type without rows gets no chooser: its own lack of lines, or a package that gave none.
std::string NoRowsReason(const std::string& typeKey, const std::string& packageProblem) {
  if (!packageProblem.empty()) return packageProblem;
  return "type " + typeKey + " has no programs to offer";
}

}  // namespace

std::int32_t RequestDriver::ServeOne(std::string_view rsParams, RequestTrace& trace) {
  Request request;
  if (const Ending end = Admit(request, trace)) return *end;
  if (const Ending end = ReadLines(rsParams, request, trace)) return *end;
  ReadChoices(request, trace);
  if (const Ending end = StartDefault(request, trace)) return *end;
  if (const Ending end = Choose(request, trace)) return *end;
  return Launch(request, trace);
}

RequestDriver::Ending RequestDriver::Admit(Request& request, RequestTrace& trace) {
  request.folders = services_.files.ReadSearchFolders();
  // The request that a launch of ours causes passes straight through, once.
  if (services_.markers.ConsumeIfArmed()) return trace.Pass("ignore marker used up");
  return std::nullopt;
}

RequestDriver::Ending RequestDriver::ReadLines(std::string_view rsParams, Request& request,
                                               RequestTrace& trace) {
  const RequestLines lines(rsParams);
  if (lines.Count() < kRequestLineCount)
    return trace.Pass("request has " + std::to_string(lines.Count()) + " lines, fewer than 8");
  request.verb = lines.VerbLine();
  trace.SetVerb(request.verb);
  if (!HasRequestVerb(request.verb)) return trace.Pass("no open, new or play verb");

  request.document = lines.DocumentLine();
  trace.SetDocument(request.document);
  // A document on a drive that cannot be tested (not ready, gone) is left to the shell quietly,
  // before the analysis below fails on it with a message box while the user waits.
  std::optional<std::uint32_t> attributes;
  if (!request.document.empty() &&
      !SkipFailure([&] { attributes = services_.files.Attributes(request.document); }))
    return trace.Pass("document cannot be tested");
  const FileTypeInfo documentType = GetFileType(request.document, request.folders);
  request.typeKey = TypeKey(documentType.Extension, false);
  trace.SetTypeKey(request.typeKey);
  if (IsExecutableTypeKey(request.typeKey)) return trace.Pass("document is an executable");

  if (SaysLaunched(lines.StatusLine()) && (request.document.empty() || !IsNormalFile(attributes)))
    return trace.Pass("launched, but the document is not a normal file");

  // The executable check above has been made with the real extension.
  if (IsOpenWith(request.verb)) request.typeKey = TypeKey({}, true);
  trace.SetTypeKey(request.typeKey);

  request.shortDocument = services_.files.ShortPath(request.document);
  if (request.shortDocument.empty()) return trace.Pass("document not found");
  return std::nullopt;
}

// Everything the request reads from the user's data, in memory; nothing is written.
void RequestDriver::ReadChoices(Request& request, RequestTrace& trace) {
  request.data = services_.choices.Read();
  const ChoiceData& data = request.data;
  // A catalogue that did not load changes no decision, only the rows' names: the line says why,
  // unless the package gave no files at all and says so itself.
  if (data.catalogueLoad != CatalogueLoad::kLoaded &&
      (data.catalogueLoad != CatalogueLoad::kMissing || data.packageProblem.empty()))
    trace.CatalogueNotLoaded(CatalogueLoadText(data.catalogueLoad));
}

// The type's default program is started at once, without a chooser. The program is read before
// the marker is armed, so that a line without one arms nothing. A default that does not start
// leaves the document to the shell, as if there were none.
RequestDriver::Ending RequestDriver::StartDefault(const Request& request, RequestTrace& trace) {
  const std::vector<std::string>& defaults = request.data.choices.def;
  std::int32_t last = 0;
  const std::int32_t first = FindKeyRange(request.typeKey, defaults, last);
  if (first > last) return std::nullopt;
  const std::string program(Need(ParseChoiceLine(defaults[first]).program));
  const LaunchResult launch =
      StartProgram(services_, program, request.shortDocument, request.verb, request.folders);
  trace.StartedDefault(program, launch.shellAnswer);
  return launch.started ? kHandled : kNotHandled;
}

RequestDriver::Ending RequestDriver::Choose(Request& request, RequestTrace& trace) {
  const UserChoices& choices = request.data.choices;
  const std::string& typeKey = request.typeKey;
  // A type the user wants no chooser for ends here; the rows would fail at the first one, which
  // reads the default program that such a type does not look up.
  std::int32_t last = 0;
  std::int32_t first = FindKeyRange(typeKey, choices.del, last);
  if (first <= last) return trace.Pass("type " + typeKey + " is in the skip list");
  const DefaultInfo defaultInfo = ObtainDefaultInfo(services_.files, request.document);

  RequestChooser& chooser = services_.chooser;
  chooser.SetCaption("  [" + typeKey + "] - Tavrel Ferrule Choices ");
  first = FindKeyRange(typeKey, choices.add, last);
  if (first > last) return trace.Pass(NoRowsReason(typeKey, request.data.packageProblem));

  CandidateList& rows = chooser.Rows();
  const std::int32_t defaultRowId =
      BuildCandidateRows(choices.add, first, last, defaultInfo, *request.data.catalogue, rows);
  trace.SetRows(rows.Count());
  if (rows.Count() < 2) return trace.Pass("1 row only, nothing to choose");

  if (!chooser.FitToList()) return trace.Pass("the chooser could not be fitted to its rows");
  chooser.Show();
  trace.Untimed([&] { request.position = chooser.WaitForPick(); });

  const std::int32_t row = request.position - 1;
  if (row < 0) {
    trace.ClosedWithoutPick();
    return kHandled;
  }
  if (row == defaultRowId) {  // the caller opens it the usual way
    trace.PickedWindowsDefault(request.position);
    return kNotHandled;
  }
  request.pickedLine = static_cast<std::size_t>(first) + static_cast<std::size_t>(row);
  return std::nullopt;
}

std::int32_t RequestDriver::Launch(const Request& request, RequestTrace& trace) {
  const std::vector<std::string>& added = request.data.choices.add;
  if (request.pickedLine >= added.size()) Raise(errnum::kSubscript);
  const ChoiceLine picked = ParseChoiceLine(added[request.pickedLine]);
  const std::string program(Need(picked.program));
  const LaunchResult launch =
      StartProgram(services_, program, request.shortDocument, "", request.folders);
  trace.Picked(request.position, Need(picked.displayName), launch.shellAnswer);
  if (!launch.started) {
    // The user chose this program: they are told why it did not start, and the shell is not
    // asked to open the document some other way.
    trace.Untimed([&] { services_.launcher.ReportFailedStart(program, launch); });
  }
  return kHandled;
}

std::int32_t RequestDriver::Serve(std::u16string_view rsParams, RequestTrace& trace) noexcept {
  const InProgressGuard guard(inProgress_);
  try {
    if (!guard.Entered()) {
      // Most likely the shell handing back the start the first request is making: an armed
      // marker was armed for exactly this request, and left armed it would pass the user's next
      // one.
      if (services_.markers.ConsumeIfArmed())
        return trace.Pass("another request is in progress, marker used up");
      return trace.Pass("another request is in progress");
    }
    // A name holding a surrogate without its partner names no file that could be opened.
    if (!utf::IsValidUtf16(rsParams))
      return trace.Pass("request is not valid UTF-16 (a surrogate without its partner)");
    CallDepthScope depth;
    return ServeOne(utf::Utf8FromUtf16(rsParams), trace);
  } catch (...) {
    CatchIntoPending();
    trace.Failed(PendingFailure().number);
    ClearPendingFailure();
    return kNotHandled;
  }
}

}  // namespace tavrel
