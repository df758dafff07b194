// Fuzzes one whole request on the native fakes: arbitrary request text, choice files and
// catalogue, a row picked by the input, a launch that may fail and one system call that may fail
// or run out of memory. The request must end with 0 or 1, leave nothing behind (no failure, no
// file written, no armed marker without a start), and the same process must then serve the
// same request as a fresh one does.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fake_os.h"
#include "fake_request.h"
#include "request/request_lines.h"

namespace {

using namespace tavrel;

// The input: request, QXAdd.dat, QXDef.dat, QXDel.dat and QXma.xml, separated by NUL bytes,
// then three control bytes: the row picked (0: none), flags (1: the document exists, 2: the
// launch fails, 4: the failing call runs out of memory) and the number of the call that fails.
struct Input {
  std::vector<std::string> texts;
  std::uint8_t pick = 0, flags = 0, failAt = 0;
};

Input Parse(std::string_view bytes) {
  Input in;
  if (bytes.size() >= 3) {
    in.pick = static_cast<std::uint8_t>(bytes[bytes.size() - 3]);
    in.flags = static_cast<std::uint8_t>(bytes[bytes.size() - 2]);
    in.failAt = static_cast<std::uint8_t>(bytes[bytes.size() - 1]);
    bytes.remove_suffix(3);
  }
  for (int i = 0; i < 5; ++i) {
    const auto end = std::min(bytes.find('\0'), bytes.size());
    in.texts.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  return in;
}

// A fresh world for the input; the document exists when the flags say so.
void Arrange(fake_request::World& w, const Input& in) {
  fake_os::Reset();
  fake_os::AddFolder(fake_os::Dirs().program);
  const RequestLines lines(in.texts[0]);
  if ((in.flags & 1) && lines.Count() > 2 && !lines.DocumentLine().empty())
    fake_os::AddFile(std::string(lines.DocumentLine()), "text");
  const char* names[] = {"QXAdd.dat", "QXDef.dat", "QXDel.dat", "QXma.xml"};
  for (int i = 0; i < 4; ++i)
    if (!in.texts[i + 1].empty()) w.choices.files[names[i]] = in.texts[i + 1];
  w.chooser.pick = [pick = in.pick] { return pick; };
  if (in.flags & 2) w.shell.answer = 2;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input in = Parse({reinterpret_cast<const char*>(data), size});
  std::int32_t fresh = 0;
  std::string freshTrace;
  {
    fake_request::World w;
    Arrange(w, in);
    fresh = w.Serve(in.texts[0]);
    freshTrace = w.traces.back();
  }
  fake_request::World w;
  Arrange(w, in);
  const auto before = fake_os::AllFiles();
  fake_os::InjectedFaults() = {in.failAt, (in.flags & 4) != 0};
  const std::int32_t result = w.Serve(in.texts[0]);
  fake_os::InjectedFaults() = {};
  Require(result == 0 || result == 1);
  Require(fake_request::LeftBehind(w, before).empty());
  fake_request::RestoreMarkers(before);
  Require(w.Serve(in.texts[0]) == fresh && w.traces.back() == freshTrace);
  return 0;
}
