// The request's unpack: the work folder's state decides whether the package is unpacked at all.
#include "data/unpack.h"
#include "data/work_folder.h"
#include "errors/reporting.h"

namespace tavrel {

bool UnpackFiles() {
  bool unpacked = false;
  UnpackedMembers().clear();
  UnpackProblem().clear();
  RunReported("UnpackFiles", [&] {
    SkipFailure([] { PrepareWorkFolder(); });
    // Without a temporary folder there is nowhere safe to unpack to.
    if (WorkFolder().empty()) {
      UnpackProblem() = "no work folder to unpack the data package into";
      return;
    }
    SetUnpackedFilePaths(WorkFolder());
    if (FindDataFilesInWorkFolder()) {
      unpacked = true;
      return;
    }
    unpacked = UnpackPackage(GetPackagePath(), WorkFolder());
  });
  if (!unpacked && UnpackProblem().empty()) UnpackProblem() = "data package not unpacked";
  return unpacked;
}

}  // namespace tavrel
