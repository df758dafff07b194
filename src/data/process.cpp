#include "data/process.h"

#include "base/path.h"
#include "errors/reporting.h"

namespace tavrel {

bool RegisterDLL(const std::string& path) {
  bool registered = false;
  RunReported("RegisterDLL", [&] {
    const std::string library = path::QuotedIfBlank(path);
    // From here on a failing run is ignored and the next one runs; only the registration's own
    // result counts.
    for (int run = 0; run < 2; ++run)
      SkipFailure(
          [&] { static_cast<void>(ShellAndWaitUntilDone("regsvr32", "/s /u " + library)); });
    SkipFailure([&] { registered = ShellAndWaitUntilDone("regsvr32", "/s " + library); });
  });
  return registered;
}

}  // namespace tavrel
