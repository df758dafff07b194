#include "server/launch.h"

#include "fileinfo/file_type.h"
#include "fileinfo/strings.h"

namespace tavrel {

LaunchCall PlanLaunch(const std::string& program, const std::string& document,
                      const std::string& verb) {
  const FileTypeInfo parts = GetFileType(document);
  return LaunchCall{verb.empty() ? std::string("open") : verb, program, document,
                    JoinPaths(parts.Drive, parts.Folder)};
}

}  // namespace tavrel
