#include "server/request_driver.h"

#include <optional>
#include <string>

#include "data/catalogue.h"
#include "data/ignore_marker.h"
#include "data/unpack.h"
#include "data/user_choices.h"
#include "errors/failure.h"
#include "errors/reporting.h"
#include "fileinfo/display_names.h"
#include "fileinfo/file_type.h"
#include "fileinfo/system_dirs.h"
#include "fileinfo/text.h"
#include "platform/os.h"
#include "server/candidate_rows.h"
#include "server/chooser_wait.h"
#include "server/launch.h"
#include "server/request_lines.h"
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
// memory; nothing is written.
void ReadUserData() {
  DataFiles files = UnpackFiles();
  GetUserChoices(files);
  LoadCatalogue(files.catalogue);
}

std::int32_t Serve(std::string_view rsParams) {
  ResetUserChoices();
  ReadWindowsDir();
  ReadSystemDir();
  LoadPathDirs();

  // The request that a launch of ours causes passes straight through, once.
  if (CheckIgnoreMarker()) return kNotHandled;

  const RequestLines request(rsParams);
  if (!HasRequestVerb(request.VerbLine())) return kNotHandled;

  const std::string document(request.DocumentLine());
  const FileTypeInfo documentType = GetFileType(document);
  std::string typeKey = TypeKey(documentType.Extension, false);
  if (IsExecutableTypeKey(typeKey)) return kNotHandled;

  if (SaysLaunched(request.StatusLine()) && (document.empty() || !NormalFileExists(document)))
    return kNotHandled;

  // The executable check above has been made with the real extension.
  if (IsOpenWith(request.VerbLine())) typeKey = TypeKey({}, true);

  const std::string shortDocument = GetShortPath(document);
  if (shortDocument.empty()) return kNotHandled;

  ReadUserData();

  // The type's default program is started at once, without a chooser. The program is read
  // before the marker is armed, so that a line without one arms nothing.
  std::int32_t last = 0;
  std::int32_t first = FindKeyRange(typeKey, DefChoices(), last);
  if (first <= last) {
    const std::string program = ProgramOf(DefChoices()[first]);
    ArmIgnoreMarker();
    LaunchProgram(program, shortDocument, std::string(request.VerbLine()));
    return kHandled;
  }

  // A type the user wants no chooser for leaves the default program unknown, which ends the
  // request at the first row (or before it, when there are no rows).
  DefaultInfo defaultInfo = DefaultInfo::NotObtained();
  first = FindKeyRange(typeKey, DelChoices(), last);
  if (first > last) defaultInfo = ObtainDefaultInfo(document);

  ChooserWindow& chooser = Chooser();
  chooser.SetCaption("  [" + typeKey + "] - Tavrel Ferrule Choices ");
  first = FindKeyRange(typeKey, AddChoices(), last);
  if (first > last) return kNotHandled;

  const std::int32_t defaultRowId =
      BuildCandidateRows(AddChoices(), first, last, defaultInfo, Catalogue(), chooser);
  if (chooser.Count() < 2) return kNotHandled;

  ChosenIndex() = -1;
  if (!chooser.FitToList()) return kNotHandled;
  chooser.Show();
  WaitUntilChooserGone();

  const std::int32_t row = ChosenIndex() - 1;
  ChosenIndex() = row;
  if (row < 0) return kHandled;                 // closed without a pick
  if (row == defaultRowId) return kNotHandled;  // the caller opens it the usual way
  const auto index = static_cast<std::size_t>(first) + static_cast<std::size_t>(row);
  if (index >= AddChoices().size()) Raise(errnum::kSubscript);
  const std::string program = ProgramOf(AddChoices()[index]);
  ArmIgnoreMarker();
  LaunchProgram(program, shortDocument, "");
  return kHandled;
}

}  // namespace

std::int32_t ServeRequest(std::string_view rsParams) noexcept {
  if (requestInProgress) return kNotHandled;
  requestInProgress = true;
  std::int32_t result = kNotHandled;
  try {
    CallDepthScope depth;
    result = Serve(rsParams);
  } catch (...) {
    ClearPendingFailure();
    result = kNotHandled;
  }
  requestInProgress = false;
  return result;
}

}  // namespace tavrel
