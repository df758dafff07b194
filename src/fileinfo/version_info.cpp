#include "fileinfo/version_info.h"

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

std::string HexPad(std::uint32_t value, int n) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  const std::string padded = "00000000" + hex;
  if (n <= 0) return {};
  const auto keep = static_cast<std::size_t>(n);
  return keep >= padded.size() ? padded : padded.substr(padded.size() - keep);
}

std::string TranslationKeyOf(const unsigned char (&bytes)[4]) {
  // Each 16-bit value is stored low byte first: the high byte's digits come first.
  return HexPad(bytes[1], 2) + HexPad(bytes[0], 2) + HexPad(bytes[3], 2) + HexPad(bytes[2], 2);
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
