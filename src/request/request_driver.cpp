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

// Whether a normal file (not a folder, not hidden, not a system file) exists at the path.
bool NormalFileExists(RequestFiles& files, const std::string& path) {
  return os::IsFile(files.Attributes(path), os::kAttrHidden | os::kAttrSystem);
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
                          const std::string& document, const std::string& verb) {
  const IgnoreMarkerState before = services.markers.Arm();
  LaunchResult result;
  try {
    result = services.launcher.Launch(program, document, verb);
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
  services_.files.RefreshSearchFolders();

  // The request that a launch of ours causes passes straight through, once.
  if (services_.markers.Check()) return trace.Pass("ignore marker used up");

  const RequestLines request(rsParams);
  if (request.Count() < kRequestLineCount)
    return trace.Pass("request has " + std::to_string(request.Count()) + " lines, fewer than 8");
  trace.SetVerb(request.VerbLine());
  if (!HasRequestVerb(request.VerbLine())) return trace.Pass("no open, new or play verb");

  const std::string document(request.DocumentLine());
  trace.SetDocument(document);
  const FileTypeInfo documentType = GetFileType(document);
  std::string typeKey = TypeKey(documentType.Extension, false);
  trace.SetTypeKey(typeKey);
  if (IsExecutableTypeKey(typeKey)) return trace.Pass("document is an executable");

  if (SaysLaunched(request.StatusLine()) &&
      (document.empty() || !NormalFileExists(services_.files, document)))
    return trace.Pass("launched, but the document is not a normal file");

  // The executable check above has been made with the real extension.
  if (IsOpenWith(request.VerbLine())) typeKey = TypeKey({}, true);
  trace.SetTypeKey(typeKey);

  const std::string shortDocument = services_.files.ShortPath(document);
  if (shortDocument.empty()) return trace.Pass("document not found");

  // Everything the request reads from the user's data, in memory; nothing is written.
  const ChoiceData data = services_.choices.Read();
  // A catalogue that did not load changes no decision, only the rows' names: the line says why,
  // unless the package gave no files at all and says so itself.
  if (data.catalogueLoad != CatalogueLoad::kLoaded &&
      (data.catalogueLoad != CatalogueLoad::kMissing || data.packageProblem.empty()))
    trace.CatalogueNotLoaded(CatalogueLoadText(data.catalogueLoad));
  const UserChoices& choices = data.choices;

  // The type's default program is started at once, without a chooser. The program is read
  // before the marker is armed, so that a line without one arms nothing. A default that does not
  // start leaves the document to the shell, as if there were none.
  std::int32_t last = 0;
  std::int32_t first = FindKeyRange(typeKey, choices.def, last);
  if (first <= last) {
    const std::string program(Need(ParseChoiceLine(choices.def[first]).program));
    const LaunchResult launch =
        StartProgram(services_, program, shortDocument, std::string(request.VerbLine()));
    trace.StartedDefault(program, launch.shellAnswer);
    return launch.started ? kHandled : kNotHandled;
  }

  // A type the user wants no chooser for ends here; the rows would fail at the first one, which
  // reads the default program that such a type does not look up.
  first = FindKeyRange(typeKey, choices.del, last);
  if (first <= last) return trace.Pass("type " + typeKey + " is in the skip list");
  const DefaultInfo defaultInfo = ObtainDefaultInfo(services_.files, document);

  RequestChooser& chooser = services_.chooser;
  chooser.SetCaption("  [" + typeKey + "] - Tavrel Ferrule Choices ");
  first = FindKeyRange(typeKey, choices.add, last);
  if (first > last) return trace.Pass(NoRowsReason(typeKey, data.packageProblem));

  CandidateList& rows = chooser.Rows();
  const std::int32_t defaultRowId =
      BuildCandidateRows(choices.add, first, last, defaultInfo, *data.catalogue, rows);
  trace.SetRows(rows.Count());
  if (rows.Count() < 2) return trace.Pass("1 row only, nothing to choose");

  if (!chooser.FitToList()) return trace.Pass("the chooser could not be fitted to its rows");
  chooser.Show();
  std::int32_t position = 0;
  trace.Untimed([&] { position = chooser.WaitForPick(); });

  const std::int32_t row = position - 1;
  if (row < 0) {
    trace.ClosedWithoutPick();
    return kHandled;
  }
  if (row == defaultRowId) {  // the caller opens it the usual way
    trace.PickedWindowsDefault(position);
    return kNotHandled;
  }
  const auto index = static_cast<std::size_t>(first) + static_cast<std::size_t>(row);
  if (index >= choices.add.size()) Raise(errnum::kSubscript);
  const ChoiceLine picked = ParseChoiceLine(choices.add[index]);
  const std::string program(Need(picked.program));
  const LaunchResult launch = StartProgram(services_, program, shortDocument, "");
  trace.Picked(position, Need(picked.displayName), launch.shellAnswer);
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
      if (services_.markers.Check())
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
