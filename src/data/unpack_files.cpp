// The request's unpack: the work folder's state decides whether the package is unpacked at all.
#include "data/unpack.h"
#include "data/work_folder.h"
#include "errors/reporting.h"

namespace tavrel {

bool UnpackFiles() {
  bool unpacked = false;
  UnpackedMembers().clear();
  RunReported("UnpackFiles", [&] {
    SkipFailure([] { PrepareWorkFolder(); });
    // Without a temporary folder there is nowhere safe to unpack to.
    if (WorkFolder().empty()) return;
    SetUnpackedFilePaths(WorkFolder());
    if (FindDataFilesInWorkFolder()) {
      unpacked = true;
      return;
    }
    unpacked = UnpackPackage(GetPackagePath(), WorkFolder());
  });
  return unpacked;
}

}  // namespace tavrel
