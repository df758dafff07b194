// The work folder and the ignore markers on the real file system.
#include <gtest/gtest.h>

#include "data/ignore_marker.h"
#include "data/user_choices.h"
#include "data/work_folder.h"
#include "platform/files.h"
#include "scratch.h"

namespace tavrel {
namespace {

using wintest::Exists;
using wintest::ScratchFolder;

TEST(IgnoreMarkerOnDisk, ArmCheckAndArmAgain) {
  ScratchFolder dir("marker");
  EXPECT_FALSE(CheckIgnoreMarkerIn(dir.path()));
  ArmIgnoreMarkerIn(dir.path());
  EXPECT_EQ(files::ReadWholeFile(dir / "Bl1.ign"), " \r\n");
  EXPECT_TRUE(CheckIgnoreMarkerIn(dir.path()));
  EXPECT_FALSE(Exists(dir / "Bl1.ign"));
  EXPECT_TRUE(Exists(dir / "Bl1.ok"));
  EXPECT_FALSE(CheckIgnoreMarkerIn(dir.path()));
  ArmIgnoreMarkerIn(dir.path());
  EXPECT_TRUE(Exists(dir / "Bl1.ign"));
  EXPECT_FALSE(Exists(dir / "Bl1.ok"));

  // Both present before a launch: the used one goes, the armed one stays.
  files::WriteWholeFile(dir / "Bl1.ok", "old");
  ArmIgnoreMarkerIn(dir.path());
  EXPECT_TRUE(Exists(dir / "Bl1.ign"));
  EXPECT_FALSE(Exists(dir / "Bl1.ok"));

  // A marker spelt in capitals is the same file.
  files::RenameFile(dir / "Bl1.ign", dir / "BL1.IGN");
  EXPECT_TRUE(CheckIgnoreMarkerIn(dir.path()));
  EXPECT_FALSE(CheckIgnoreMarkerIn(dir.path()));
}

TEST(IgnoreMarkerOnDisk, AFolderThatCannotBeWrittenIgnoresNothing) {
  ScratchFolder dir("marker-missing");
  const std::string gone = dir / "not-there";
  ArmIgnoreMarkerIn(gone);
  EXPECT_FALSE(CheckIgnoreMarkerIn(gone));
  EXPECT_FALSE(Exists(gone));
}

TEST(WorkFolderOnDisk, PreparedInTheTemporaryFolderAndCleanedUp) {
  const std::string expected = WorkFolderFor(files::TempFolder());
  const bool wasThere = files::IsFolder(expected);
  PrepareWorkFolder();
  EXPECT_EQ(WorkFolder(), expected);
  EXPECT_EQ(WorkFolderExisted(), wasThere);
  ASSERT_TRUE(files::IsFolder(WorkFolder()));
  if (wasThere) GTEST_SKIP() << "the work folder belongs to someone else already";

  EXPECT_FALSE(FindDataFilesInWorkFolder());
  files::WriteWholeFile(WorkFolder() + "\\QXAdd.dat", ".txt|Acme - Writer|1.0\r\n");
  files::WriteWholeFile(WorkFolder() + "\\QXma.xml", "<x/>");
  ResetUserChoices();
  GetUserChoices();
  EXPECT_EQ(AddChoices().size(), 2u);
  EXPECT_EQ(DelChoices().size(), 1u);
  CleanWorkFolder();
  EXPECT_FALSE(files::IsFolder(expected));

  // Data files already there are used and kept, and so is the folder.
  PrepareWorkFolder();
  files::WriteWholeFile(WorkFolder() + "\\QXAdd.dat", ".txt|x");
  PrepareWorkFolder();
  EXPECT_TRUE(WorkFolderExisted());
  EXPECT_TRUE(FindDataFilesInWorkFolder());
  CleanWorkFolder();
  EXPECT_TRUE(files::IsFile(expected + "\\QXAdd.dat"));
  files::RemoveFile(expected + "\\QXAdd.dat");
  files::RemoveFolder(expected);
}

}  // namespace
}  // namespace tavrel
