#include "server/request_driver.h"

#include <optional>
#include <string>

#include "errors/failure.h"
#include "errors/reporting.h"
#include "fileinfo/file_type.h"
#include "fileinfo/system_dirs.h"
#include "fileinfo/text.h"
#include "platform/os.h"
#include "server/request_lines.h"

namespace tavrel {
namespace {

bool requestInProgress = false;

// Whether a normal file (not a folder, not hidden, not a system file) exists at the path.
bool NormalFileExists(const std::string& path) {
  const std::optional<std::uint32_t> attributes = os::FileAttributes(path);
  return attributes &&
         (*attributes & (os::kAttrDirectory | os::kAttrHidden | os::kAttrSystem)) == 0;
}

std::int32_t Serve(std::string_view rsParams) {
  ReadWindowsDir();
  ReadSystemDir();
  LoadPathDirs();

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

  // Without the user's data files no program is offered: the caller carries on.
  return kNotHandled;
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
