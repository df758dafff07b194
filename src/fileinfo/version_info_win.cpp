#include <windows.h>

#include <cstring>
#include <vector>

#include "errors/reporting.h"
#include "fileinfo/strings.h"
#include "fileinfo/version_info.h"
#include "os/ansi_win.h"

namespace tavrel {

static_assert(sizeof(VS_FIXEDFILEINFO) == sizeof(FixedFileInfo));

FileVersionInfo GetFileInfo(const std::string& path) {
  FileVersionInfo info;
  // Every step may fail on its own; the record keeps what the steps before it filled.
  SkipFailure([&] {
    DWORD ignored = 0;
    const std::wstring file = Utf8ToWide(path);
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return;

    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", &block, &length) || !block ||
        length < sizeof(FixedFileInfo))
      return;
    std::memcpy(&info.Fixed, block, sizeof(FixedFileInfo));
    if (info.Fixed.signature == 0) return;
    info.FileTypeName = FileTypeNameOf(info.Fixed.fileType);

    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &block, &length) || !block ||
        length < 4)
      return;
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
    const std::wstring subBlock = Utf8ToWide(JoinPaths("\\StringFileInfo", key, {name}));
    void* text = nullptr;
    UINT length = 0;  // in characters, the terminating NUL counted
    if (!VerQueryValueW(versionData, subBlock.c_str(), &text, &length) || !text || length == 0)
      return;
    // The value holds at most length - 1 characters; a NUL inside ends the text there.
    const wchar_t* chars = static_cast<const wchar_t*>(text);
    value = WideToUtf8(std::wstring_view(chars, wcsnlen(chars, length - 1)));
  });
  return value;
}

}  // namespace tavrel
