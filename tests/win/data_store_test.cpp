// The ignore marker on the real file system, whose names compare without regard to case.
#include <gtest/gtest.h>

#include "data/ignore_marker.h"
#include "platform/files.h"
#include "scratch.h"

namespace tavrel {
namespace {

TEST(IgnoreMarkerOnDisk, ArmCheckAndArmAgain) {
  wintest::ScratchFolder dir("marker");
  ArmIgnoreMarkerIn(dir.path());
  EXPECT_EQ(files::ReadWholeFile(dir / "Bl1.ign"), " \r\n");
  EXPECT_TRUE(CheckIgnoreMarkerIn(dir.path()));
  EXPECT_TRUE(files::IsFile(dir / "Bl1.ok"));
  EXPECT_FALSE(CheckIgnoreMarkerIn(dir.path()));
  // A marker spelt in capitals is the same file.
  files::RenameFile(dir / "Bl1.ok", dir / "BL1.OK");
  ArmIgnoreMarkerIn(dir.path());
  files::RenameFile(dir / "Bl1.ign", dir / "BL1.IGN");
  EXPECT_TRUE(CheckIgnoreMarkerIn(dir.path()));
  EXPECT_FALSE(CheckIgnoreMarkerIn(dir.path()));
  // A folder that is not there gets no marker.
  ArmIgnoreMarkerIn(dir / "not-there");
  EXPECT_FALSE(CheckIgnoreMarkerIn(dir / "not-there"));
  EXPECT_FALSE(files::IsFolder(dir / "not-there"));
}

}  // namespace
}  // namespace tavrel
