#include "base/path.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(Path, SplitsAtTheLastSeparatorOrDriveColonAndKeepsTheRoot) {
  struct Case {
    const char *path, *fileName, *folder, *root;
  } cases[] = {
      {R"(C:\Tools\Zeta.exe)", "Zeta.exe", R"(C:\Tools)", "C:"},
      {R"(C:\Zeta.exe)", "Zeta.exe", "C:", "C:"},
      {"C:Zeta.exe", "Zeta.exe", "C:", "C:"},
      {"C:/Tools/Zeta.exe", "Zeta.exe", "C:/Tools", "C:"},
      {R"(C:\Temp\)", "", R"(C:\Temp)", "C:"},
      {R"(\\server\share\Zeta.exe)", "Zeta.exe", R"(\\server\share)", R"(\\server)"},
      {R"(\\server)", "server", R"(\)", R"(\\server)"},
      {"Zeta.exe", "Zeta.exe", "", ""},
      {R"(\Tools\Zeta.exe)", "Zeta.exe", R"(\Tools)", ""},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(path::FileName(c.path), c.fileName) << c.path;
    EXPECT_EQ(path::Folder(c.path), c.folder) << c.path;
    EXPECT_EQ(path::Root(c.path), c.root) << c.path;
    EXPECT_EQ(std::string(path::Parent(c.path)) + c.fileName, c.path);
  }
}

}  // namespace
}  // namespace tavrel
