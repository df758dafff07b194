#include "data/ignore_marker.h"

#include <gtest/gtest.h>

#include "fake_os.h"
#include "os/files.h"

namespace tavrel {
namespace {

using Names = std::vector<std::string>;

class IgnoreMarker : public ::testing::Test {
 protected:
  IgnoreMarker() { fake_os::AddFolder(folder); }
  Names Files() const { return fake_os::FilesIn(folder); }
  fake_os::Scope os_;
  const std::string folder = "C:\\Tools\\Quillbox\\Programs";
};

TEST_F(IgnoreMarker, ALaunchMakesExactlyTheNextRequestPassThrough) {
  EXPECT_FALSE(CheckIgnoreMarker());  // idle
  ArmIgnoreMarker();
  EXPECT_EQ(fake_os::ContentOf(folder + "\\Bl1.ign"), " \r\n");
  EXPECT_TRUE(CheckIgnoreMarker());  // armed: ignored, now used
  EXPECT_EQ(Files(), Names{"Bl1.ok"});
  EXPECT_FALSE(CheckIgnoreMarker());
  ArmIgnoreMarker();  // used: renamed back
  ArmIgnoreMarker();  // armed stays armed
  EXPECT_EQ(Files(), Names{"Bl1.ign"});
  EXPECT_TRUE(CheckIgnoreMarker());
}

TEST_F(IgnoreMarker, BothMarkersOrOneInCapitals) {
  fake_os::AddFile(folder + "\\Bl1.ok", "used");
  fake_os::AddFile(folder + "\\Bl1.ign", "armed");
  ArmIgnoreMarker();  // a launch leaves only the armed one
  EXPECT_EQ(Files(), Names{"Bl1.ign"});
  EXPECT_EQ(fake_os::ContentOf(folder + "\\Bl1.ign"), "armed");
  // An armed one that cannot be renamed over a used one is still used only once.
  fake_os::AddFile(folder + "\\Bl1.ok", "used");
  EXPECT_TRUE(CheckIgnoreMarker());
  EXPECT_FALSE(CheckIgnoreMarker());

  files::RemoveFile(folder + "\\Bl1.ok");
  fake_os::AddFile(folder + "\\BL1.IGN");
  EXPECT_TRUE(CheckIgnoreMarker());
  EXPECT_EQ(Files(), Names{"Bl1.ok"});
}

TEST_F(IgnoreMarker, AStartThatDidNotHappenLeavesTheMarkersAsTheyWere) {
  for (const Names& before :
       {Names{}, Names{"Bl1.ok"}, Names{"Bl1.ign"}, Names{"Bl1.ign", "Bl1.ok"}}) {
    for (const auto& name : Files())
      files::RemoveFile(folder + "\\" + name);
    for (const auto& name : before)
      fake_os::AddFile(folder + "\\" + name, name);
    RestoreIgnoreMarker(ArmIgnoreMarker());
    EXPECT_EQ(Files(), before);
  }
  // The used marker renamed for the launch is the same file again.
  files::RemoveFile(folder + "\\Bl1.ign");
  fake_os::AddFile(folder + "\\Bl1.ok", "used");
  RestoreIgnoreMarker(ArmIgnoreMarker());
  EXPECT_EQ(fake_os::ContentOf(folder + "\\Bl1.ok"), "used");
}

TEST_F(IgnoreMarker, AFolderThatCannotBeWrittenGetsNoMarker) {
  fake_os::AddFolder(folder, false);
  ArmIgnoreMarker();
  EXPECT_TRUE(Files().empty());
  EXPECT_FALSE(CheckIgnoreMarker());
  fake_os::Dirs().program = "C:\\missing";
  ArmIgnoreMarker();
  EXPECT_FALSE(CheckIgnoreMarker());
}

}  // namespace
}  // namespace tavrel
