// Stand-ins for the Windows edge of a request in native tests: the data files a request reads
// (by name: QXAdd.dat, QXDel.dat, QXDef.dat, QXma.xml), the chooser window (its rows are kept,
// and a pick is made while it is shown), the shell's answer to a start, and a document without
// an associated program; the trace lines are kept instead of published.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "request/launch.h"
#include "ui/candidate.h"

namespace tavrel::fake_request {

struct State {
  std::map<std::string, std::string> package;  // file name -> content
  std::vector<std::string> shownRows;          // the rows of each chooser shown, as "text|detail"
  // The 1-based row picked (0: closed without a pick). Runs while the chooser is shown.
  std::function<std::int32_t()> pick = [] { return 0; };
  std::int32_t shellAnswer = 42;  // above 32: started
  std::function<void()> whileStarting = [] {};
  std::vector<LaunchCall> starts;
  std::vector<std::string> traces;  // each request's trace line
};

// Resets the stand-ins; the markers live in fake_os's file system.
State& Reset();
State& S();

}  // namespace tavrel::fake_request
