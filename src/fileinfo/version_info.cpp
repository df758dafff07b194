#include "fileinfo/version_info.h"

#include "base/hex.h"

namespace tavrel {

const VersionStringField kVersionStringFields[13] = {
    {"Comments", &FileVersionInfo::Comments},
    {"CompanyName", &FileVersionInfo::CompanyName},
    {"FileDescription", &FileVersionInfo::FileDescription},
    {"FileVersion", &FileVersionInfo::FileVersion},
    {"InternalName", &FileVersionInfo::InternalName},
    {"LegalCopyright", &FileVersionInfo::LegalCopyright},
    {"LegalTrademarks", &FileVersionInfo::LegalTrademarks},
    {"OLESelfRegister", &FileVersionInfo::OLESelfRegister},
    {"OriginalFileName", &FileVersionInfo::OriginalFileName},
    {"PrivateBuild", &FileVersionInfo::PrivateBuild},
    {"ProductName", &FileVersionInfo::ProductName},
    {"ProductVersion", &FileVersionInfo::ProductVersion},
    {"SpecialBuild", &FileVersionInfo::SpecialBuild},
};

std::string TranslationKeyOf(const unsigned char (&bytes)[4]) {
  // Each 16-bit value is stored low byte first: the high byte's digits come first.
  std::string key;
  for (const int i : {1, 0, 3, 2})
    hex::AppendByte(key, bytes[i]);
  return key;
}

std::string FileTypeNameOf(std::uint32_t fileType) {
  switch (fileType) {
    case 1:
      return "Application";
    case 2:
      return "Dynamic Link Library (DLL)";
    case 3:
      return "Device Driver";
    case 5:
      return "Virtual Device Driver";
    default:
      return "Unknown";
  }
}

}  // namespace tavrel
