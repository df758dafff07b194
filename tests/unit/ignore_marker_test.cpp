#include "data/ignore_marker.h"

#include <gtest/gtest.h>

#include "fake_os.h"

namespace tavrel {
namespace {

using Names = std::vector<std::string>;

class IgnoreMarker : public ::testing::Test {
 protected:
  IgnoreMarker() { fake_os::AddFolder(folder); }
  Names Files() const { return fake_os::Children(folder); }
  fake_os::Scope os_;
  const std::string folder = "C:\\Tools\\Quillbox\\Programs";
};

TEST_F(IgnoreMarker, ALaunchMakesExactlyTheNextRequestPassThrough) {
  EXPECT_FALSE(CheckIgnoreMarker());  // idle
  ArmIgnoreMarker();
  EXPECT_EQ(fake_os::Content(folder + "\\Bl1.ign"), " \r\n");
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
  // A launch leaves only the armed one.
  ArmIgnoreMarker();
  EXPECT_EQ(Files(), Names{"Bl1.ign"});
  EXPECT_EQ(fake_os::Content(folder + "\\Bl1.ign"), "armed");
  // An armed one that cannot be renamed over a used one is still used only once.
  fake_os::AddFile(folder + "\\Bl1.ok", "used");
  EXPECT_TRUE(CheckIgnoreMarker());
  EXPECT_FALSE(CheckIgnoreMarker());

  fake_os::Reset();
  fake_os::AddFolder(folder);
  fake_os::AddFile(folder + "\\BL1.IGN", " \r\n");
  EXPECT_TRUE(CheckIgnoreMarker());
  EXPECT_EQ(Files(), Names{"Bl1.ok"});
}

TEST_F(IgnoreMarker, AFolderThatCannotBeWrittenGetsNoMarker) {
  fake_os::Reset();
  fake_os::AddFolder(folder, false);
  ArmIgnoreMarker();
  EXPECT_TRUE(Files().empty());
  EXPECT_FALSE(CheckIgnoreMarker());
  fake_os::SetProgramFolder("C:\\missing");
  ArmIgnoreMarker();
  EXPECT_FALSE(CheckIgnoreMarker());
}

}  // namespace
}  // namespace tavrel
