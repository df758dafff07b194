// Time from a request to the chooser on the screen, against a bare window with the same list.
#pragma once

#include <cstdint>

namespace tavrel::bench {

// Runs the chooser cases, each round in a fresh process of this program (the server starts
// afresh for most requests, so icons are looked up cold), alternating with rounds of the floor,
// and prints the medians of rounds rounds and each case's ratio to its floor. False when a round
// failed: its case then prints why instead of times.
[[nodiscard]] bool ChooserVisibleBench(int rounds);

// The child's side: when argv asks for a round, runs it, sets code to its exit code and returns
// true. entered is the performance counter at the process's entry.
bool RunRoundIfAsked(int argc, char** argv, std::int64_t entered, int& code);

}  // namespace tavrel::bench
