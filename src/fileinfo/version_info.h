// The version resource of an executable: its fixed version block and the string values of its
// first translation.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// The fixed version block exactly as the system stores it (13 words, 52 bytes).
struct FixedFileInfo {
  std::uint32_t signature = 0;
  std::uint32_t structVersion = 0;
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
  std::uint32_t productVersionMS = 0;
  std::uint32_t productVersionLS = 0;
  std::uint32_t fileFlagsMask = 0;
  std::uint32_t fileFlags = 0;
  std::uint32_t fileOS = 0;
  std::uint32_t fileType = 0;
  std::uint32_t fileSubtype = 0;
  std::uint32_t fileDateMS = 0;
  std::uint32_t fileDateLS = 0;
};
static_assert(sizeof(FixedFileInfo) == 52);

struct FileVersionInfo {
  FixedFileInfo Fixed;
  std::string TranslationKey;  // language and code page of the first translation, "040904B0"
  std::string FileTypeName;
  std::string Comments;
  std::string CompanyName;
  std::string FileDescription;
  std::string FileVersion;
  std::string InternalName;
  std::string LegalCopyright;
  std::string LegalTrademarks;
  std::string OLESelfRegister;
  std::string OriginalFileName;
  std::string PrivateBuild;
  std::string ProductName;
  std::string ProductVersion;
  std::string SpecialBuild;
};

// The record of a file's version resource; empty when the file has none. Never raises.
FileVersionInfo GetFileInfo(const std::string& path);

// One string value of version data under a translation key; empty when it is missing. Reports
// unexpected failures under "GetVerQueryValueString".
std::string GetVerQueryValueString(const void* versionData, const std::string& key,
                                   const std::string& name);

// The translation key of the first translation: the 16-bit language and code page, each stored
// low byte first in the 4 bytes given, as 8 upper-case hexadecimal digits.
std::string TranslationKeyOf(const unsigned char (&bytes)[4]);

// "Application", "Dynamic Link Library (DLL)", "Device Driver", "Virtual Device Driver" or
// "Unknown", by the file-type word of the fixed block.
std::string FileTypeNameOf(std::uint32_t fileType);

// The string values a record holds, by name, in the order they are read.
struct VersionStringField {
  const char* name;
  std::string FileVersionInfo::*field;
};
extern const VersionStringField kVersionStringFields[13];

}  // namespace tavrel
