#include <windows.h>

#include <cstring>
#include <vector>

#include "errors/reporting.h"
#include "fileinfo/strings.h"
#include "fileinfo/version_info.h"

namespace tavrel {

static_assert(sizeof(VS_FIXEDFILEINFO) == sizeof(FixedFileInfo));

FileVersionInfo GetFileInfo(const std::string& path) {
  FileVersionInfo info;
  // Every step may fail on its own; the record keeps what the steps before it filled.
  SkipFailure([&] {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return;

    void* block = nullptr;
    UINT length = 0;
    char root[] = "\\";
    if (!VerQueryValueA(data.data(), root, &block, &length) || !block ||
        length < sizeof(FixedFileInfo))
      return;
    std::memcpy(&info.Fixed, block, sizeof(FixedFileInfo));
    if (info.Fixed.signature == 0) return;
    info.FileTypeName = FileTypeNameOf(info.Fixed.fileType);

    char translation[] = "\\VarFileInfo\\Translation";
    if (!VerQueryValueA(data.data(), translation, &block, &length) || !block || length < 4) return;
    unsigned char first[4];  // the first translation only
    std::memcpy(first, block, 4);
    info.TranslationKey = TranslationKeyOf(first);

    for (const auto& f : kVersionStringFields)
      SkipFailure([&] {
        info.*(f.field) = GetVerQueryValueString(data.data(), info.TranslationKey, f.name);
      });
  });
  return info;
}

std::string GetVerQueryValueString(const void* versionData, const std::string& key,
                                   const std::string& name) {
  std::string value;
  RunReported("GetVerQueryValueString", [&] {
    std::string subBlock = JoinPaths("\\StringFileInfo", key, {name});
    void* text = nullptr;
    UINT length = 0;  // in characters, the terminating NUL counted
    if (!VerQueryValueA(versionData, subBlock.data(), &text, &length) || !text || length == 0)
      return;
    // The value holds at most length - 1 characters; a NUL inside ends the text there.
    const char* chars = static_cast<const char*>(text);
    value.assign(chars, strnlen(chars, length - 1));
  });
  return value;
}

}  // namespace tavrel
