#include "data/ignore_marker.h"

#include <gtest/gtest.h>

#include "fake_files.h"

namespace tavrel {
namespace {

class IgnoreMarker : public ::testing::Test {
 protected:
  void SetUp() override {
    fakefs::Reset();
    fakefs::AddFolder(folder);
  }
  std::vector<std::string> Files() const { return fakefs::Children(folder); }
  const std::string folder = "C:\\Tools\\Quillbox\\Programs";
};

using Names = std::vector<std::string>;

TEST_F(IgnoreMarker, ALaunchMakesExactlyTheNextRequestPassThrough) {
  EXPECT_FALSE(CheckIgnoreMarker());  // idle
  ArmIgnoreMarker();
  EXPECT_EQ(Files(), Names{"Bl1.ign"});
  EXPECT_EQ(fakefs::Content(folder + "\\Bl1.ign"), " \r\n");
  EXPECT_TRUE(CheckIgnoreMarker());  // armed: ignored, now used
  EXPECT_EQ(Files(), Names{"Bl1.ok"});
  EXPECT_FALSE(CheckIgnoreMarker());
  EXPECT_EQ(Files(), Names{"Bl1.ok"});
  ArmIgnoreMarker();  // used: renamed back
  EXPECT_EQ(Files(), Names{"Bl1.ign"});
  ArmIgnoreMarker();  // armed stays armed
  EXPECT_EQ(Files(), Names{"Bl1.ign"});
  EXPECT_TRUE(CheckIgnoreMarker());
}

TEST_F(IgnoreMarker, BothMarkersBeforeALaunchLeaveOnlyTheArmedOne) {
  fakefs::AddFile(folder + "\\Bl1.ok", "used");
  fakefs::AddFile(folder + "\\Bl1.ign", "armed");
  ArmIgnoreMarker();
  EXPECT_EQ(Files(), Names{"Bl1.ign"});
  EXPECT_EQ(fakefs::Content(folder + "\\Bl1.ign"), "armed");
}

TEST_F(IgnoreMarker, AnArmedMarkerThatCannotBeRenamedIsStillUsedOnce) {
  fakefs::AddFile(folder + "\\Bl1.ok", "used");
  fakefs::AddFile(folder + "\\Bl1.ign", "armed");
  EXPECT_TRUE(CheckIgnoreMarker());
  EXPECT_FALSE(CheckIgnoreMarker());
}

TEST_F(IgnoreMarker, AMarkerInUpperCaseIsFound) {
  fakefs::AddFile(folder + "\\BL1.IGN", " \r\n");
  EXPECT_TRUE(CheckIgnoreMarker());
  EXPECT_FALSE(fakefs::Exists(folder + "\\BL1.IGN"));
  EXPECT_TRUE(fakefs::Exists(folder + "\\Bl1.ok"));
}

TEST_F(IgnoreMarker, AFolderThatCannotBeWrittenGetsNoMarker) {
  fakefs::Reset();
  fakefs::AddFolder(folder, false);
  ArmIgnoreMarker();
  EXPECT_TRUE(Files().empty());
  EXPECT_FALSE(CheckIgnoreMarker());

  fakefs::SetProgramFolder("C:\\missing");
  ArmIgnoreMarker();
  EXPECT_FALSE(CheckIgnoreMarker());
}

}  // namespace
}  // namespace tavrel
