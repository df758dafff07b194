#include "fileinfo/display_names.h"
#include "fileinfo/file_type.h"

namespace tavrel {

std::optional<ProgramDescription> GetDefaultProgramInfo(const std::string& document) {
  const std::string program = GetAssociatedProgram(document);
  const std::string shortPath = GetShortPath(program);
  const FileVersionInfo info = GetFileInfo(shortPath);
  return DescribeProgram(info, shortPath, GetShortPath(shortPath));
}

}  // namespace tavrel
