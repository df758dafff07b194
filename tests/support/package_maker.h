// Data packages made by the package writer, for the tests of the readers. Native and Windows
// tests share it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/package_writer.h"
#include "scratch_folder.h"

namespace tavrel::testing {

using Members = std::vector<std::pair<std::string, std::string>>;

inline void WritePackage(const std::string& path, const Members& members,
                         package::Encryption encryption = package::Encryption::kPkware,
                         std::string_view password = package::kPassword) {
  package::PackageWriter writer(path, encryption, password);
  for (const auto& [member, content] : members)
    EXPECT_TRUE(writer.AddBytes(member, content));
  EXPECT_TRUE(writer.Close()) << writer.Error();
}

// The package's bytes, made as name in folder.
inline std::string MakePackage(const ScratchFolder& folder, const std::string& name,
                               const Members& members,
                               package::Encryption encryption = package::Encryption::kPkware,
                               std::string_view password = package::kPassword) {
  WritePackage(folder / name, members, encryption, password);
  return folder.Read(name);
}

}  // namespace tavrel::testing
