#include "request/request_driver.h"

#include <optional>
#include <string>

#include "base/failure.h"
#include "base/text.h"
#include "data/catalogue.h"
#include "data/ignore_marker.h"
#include "data/unpack.h"
#include "data/user_choices.h"
#include "errors/reporting.h"
#include "fileinfo/display_names.h"
#include "fileinfo/file_type.h"
#include "fileinfo/system_dirs.h"
#include "os/os.h"
#include "request/candidate_rows.h"
#include "request/chooser_wait.h"
#include "request/launch.h"
#include "request/request_lines.h"
#include "request/request_trace.h"
#include "request/trace_output.h"
#include "ui/chooser_window.h"

namespace tavrel {
namespace {

bool requestInProgress = false;

// Whether a normal file (not a folder, not hidden, not a system file) exists at the path.
bool NormalFileExists(const std::string& path) {
  const std::optional<std::uint32_t> attributes = os::FileAttributes(path);
  return attributes &&
         (*attributes & (os::kAttrDirectory | os::kAttrHidden | os::kAttrSystem)) == 0;
}

// Field 4 of a user choice line: the program to start.
std::string ProgramOf(const std::string& choiceLine) {
  return std::string(text::Field(choiceLine, '|', 4));
}

// The description of the Windows default program for the document, split into its fields. A
// failure while obtaining it leaves a plain "Windows Default" row instead of ending the request.
DefaultInfo ObtainDefaultInfo(const std::string& document) {
  try {
    return DefaultInfo::FromDescription(GetDefaultProgramInfo(document));
  } catch (...) {
    ClearPendingFailure();
    return DefaultInfo::Failed();
  }
}

// Reads the user's choices and the catalogue from the work folder or the data package, in
// memory; nothing is written. Returns what kept the package from giving its files (empty:
// nothing did).
std::string ReadUserData() {
  DataFiles files = UnpackFiles();
  GetUserChoices(files);
  LoadCatalogue(files.catalogue);
  return files.problem;
}

// Why a type without rows gets no chooser: its own lack of lines, or a package that gave none.
std::string NoRowsReason(const std::string& typeKey, const std::string& dataProblem) {
  if (!dataProblem.empty()) return dataProblem;
  return "type " + typeKey + " has no programs to offer";
}

std::int32_t Serve(std::string_view rsParams, RequestTrace& trace) {
  ResetUserChoices();
  ReadWindowsDir();
  ReadSystemDir();
  LoadPathDirs();

  // The request that a launch of ours causes passes straight through, once.
  if (CheckIgnoreMarker()) return trace.Pass("ignore marker used up");

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

  if (SaysLaunched(request.StatusLine()) && (document.empty() || !NormalFileExists(document)))
    return trace.Pass("launched, but the document is not a normal file");

  // The executable check above has been made with the real extension.
  if (IsOpenWith(request.VerbLine())) typeKey = TypeKey({}, true);
  trace.SetTypeKey(typeKey);

  const std::string shortDocument = GetShortPath(document);
  if (shortDocument.empty()) return trace.Pass("document not found");

  const std::string dataProblem = ReadUserData();

  // The type's default program is started at once, without a chooser. The program is read
  // before the marker is armed, so that a line without one arms nothing. A default that does not
  // start leaves the document to the shell, as if there were none.
  std::int32_t last = 0;
  std::int32_t first = FindKeyRange(typeKey, DefChoices(), last);
  if (first <= last) {
    const std::string program = ProgramOf(DefChoices()[first]);
    const LaunchResult launch =
        StartProgram(program, shortDocument, std::string(request.VerbLine()));
    trace.StartedDefault(program, launch.shellAnswer);
    if (!launch.started) return kNotHandled;
    return kHandled;
  }

  // A type the user wants no chooser for ends here; the rows would fail at the first one, which
  // reads the default program that such a type does not look up.
  first = FindKeyRange(typeKey, DelChoices(), last);
  if (first <= last) return trace.Pass("type " + typeKey + " is in the skip list");
  const DefaultInfo defaultInfo = ObtainDefaultInfo(document);

  ChooserWindow& chooser = Chooser();
  chooser.SetCaption("  [" + typeKey + "] - Tavrel Ferrule Choices ");
  first = FindKeyRange(typeKey, AddChoices(), last);
  if (first > last) return trace.Pass(NoRowsReason(typeKey, dataProblem));

  const std::int32_t defaultRowId =
      BuildCandidateRows(AddChoices(), first, last, defaultInfo, Catalogue(), chooser);
  trace.SetRows(chooser.Count());
  if (chooser.Count() < 2) return trace.Pass("1 row only, nothing to choose");

  ChosenIndex() = -1;
  if (!chooser.FitToList()) return trace.Pass("the chooser could not be fitted to its rows");
  chooser.Show();
  trace.Untimed(WaitUntilChooserGone);

  const std::int32_t row = ChosenIndex() - 1;
  ChosenIndex() = row;
  if (row < 0) {
    trace.ClosedWithoutPick();
    return kHandled;
  }
  if (row == defaultRowId) {  // the caller opens it the usual way
    trace.PickedWindowsDefault(row + 1);
    return kNotHandled;
  }
  const auto index = static_cast<std::size_t>(first) + static_cast<std::size_t>(row);
  if (index >= AddChoices().size()) Raise(errnum::kSubscript);
  const std::string program = ProgramOf(AddChoices()[index]);
  const LaunchResult launch = StartProgram(program, shortDocument, "");
  trace.Picked(row + 1, text::Field(AddChoices()[index], '|', 1), launch.shellAnswer);
  if (!launch.started) {
    // The user chose this program: they are told why it did not start, and the shell is not
    // asked to open the document some other way.
    trace.Untimed([&] { ReportFailedStart(program, launch); });
    return kHandled;
  }
  return kHandled;
}

// One request with its trace filled in; a call while another request is in progress is
// answered at once.
std::int32_t ServeOnce(std::string_view rsParams, RequestTrace& trace) noexcept {
  if (requestInProgress) {
    // Most likely the shell handing back the start the first request is making: an armed marker
    // was armed for exactly this request, and left armed it would pass the user's next one.
    if (CheckIgnoreMarker()) return trace.Pass("another request is in progress, marker used up");
    return trace.Pass("another request is in progress");
  }
  requestInProgress = true;
  std::int32_t result = kNotHandled;
  try {
    CallDepthScope depth;
    result = Serve(rsParams, trace);
  } catch (...) {
    CatchIntoPending();
    trace.Failed(PendingFailure().number);
    ClearPendingFailure();
    result = kNotHandled;
  }
  requestInProgress = false;
  return result;
}

}  // namespace

std::int32_t ServeRequest(std::string_view rsParams) noexcept {
  RequestTrace trace;
  const std::int32_t result = ServeOnce(rsParams, trace);
  // Last, and unable to change the result.
  PublishTrace(trace.Line(result), ConfiguredTraceLog());
  return result;
}

}  // namespace tavrel
