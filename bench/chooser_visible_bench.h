// Time from a request to the chooser on the screen, with and without program icons.
#pragma once

namespace tavrel::bench {

// Runs the chooser cases, each round in a fresh process of this program (the server starts
// afresh for most requests, so icons are looked up cold), and prints the medians.
void ChooserVisibleBench(int rounds);

// The child's side: when argv asks for one chooser round, runs it, prints its times and
// returns true.
bool RunChooserRoundIfAsked(int argc, char** argv);

}  // namespace tavrel::bench
