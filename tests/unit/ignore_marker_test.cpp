#include "data/ignore_marker.h"

#include <gtest/gtest.h>

#include "fake_os.h"

namespace tavrel {
namespace {

const std::string kFolder = "C:\\Tools\\Quillbox\\Programs";

// The marker files, each as "name(content)"; a file given as "name" holds its own name.
std::string Markers() {
  std::string state;
  for (const auto& [path, content] : fake_os::AllFiles())
    state += path.substr(kFolder.size() + 1) + "(" + content + ") ";
  return state;
}

void MakeMarkers(const std::vector<std::string>& names, bool writable = true) {
  fake_os::Reset();
  fake_os::AddFolder(kFolder, writable);
  for (const std::string& name : names)
    fake_os::AddFile(kFolder + "\\" + name, name);
}

// A launch arms the marker (a used one is renamed, so the same file comes back when the start did
// not happen); a request that finds it armed uses it up, once. Where a rename is blocked by the
// other marker, the one in the way goes.
TEST(IgnoreMarker, CheckArmAndRestoreFromEveryState) {
  fake_os::Scope os;
  const struct {
    std::vector<std::string> before;
    bool writable, armed;
    std::string afterCheck, afterArm, afterRestore;
  } cases[] = {
      {{}, true, false, "", "Bl1.ign( \r\n) ", ""},
      {{"Bl1.ok"}, true, false, "Bl1.ok(Bl1.ok) ", "Bl1.ign(Bl1.ok) ", "Bl1.ok(Bl1.ok) "},
      {{"Bl1.ign"}, true, true, "Bl1.ok(Bl1.ign) ", "Bl1.ign( \r\n) ", "Bl1.ign( \r\n) "},
      {{"Bl1.ign", "Bl1.ok"},
       true,
       true,
       "Bl1.ok(Bl1.ok) ",
       "Bl1.ign(Bl1.ign) ",
       "Bl1.ign(Bl1.ign) Bl1.ok( \r\n) "},
      {{}, false, false, "", "", ""},  // a folder that cannot be written gets no marker
  };
  for (const auto& c : cases) {
    MakeMarkers(c.before, c.writable);
    EXPECT_EQ(CheckIgnoreMarker(), c.armed) << Markers();
    EXPECT_EQ(Markers(), c.afterCheck);
    EXPECT_FALSE(CheckIgnoreMarker()) << Markers();
    MakeMarkers(c.before, c.writable);
    const IgnoreMarkerState state = ArmIgnoreMarker();
    EXPECT_EQ(Markers(), c.afterArm);
    RestoreIgnoreMarker(state);
    EXPECT_EQ(Markers(), c.afterRestore);
  }
}

}  // namespace
}  // namespace tavrel
