// One round of the time-to-visible benchmark, run in a fresh process of the benchmark: the
// chooser shown by a request, or its floor, a bare window with the same list. A round writes its
// report to its standard output, one line each:
//   times T1 T2 ...              the round's steps, in milliseconds, from the process's entry
//   start T                      from the parent's CreateProcess to the process's entry
//   frame X Y W H LW LH C1 C2    the window as shown: its rectangle, its list's size and its
//                                two column widths (the chooser only)
//   row TEXT<tab>DETAIL          one line per row, in order (the chooser only)
//   failed REASON                the round did not reach a painted window
#pragma once

#include <cstdint>

namespace tavrel::bench {

// The environment variable that hands the chooser's frame and row lines to the floor's round.
inline constexpr char kLayoutVariable[] = "TAVREL_BENCH_LAYOUT";

// The performance counter, which every process of the machine reads alike.
std::int64_t Ticks();
double MillisecondsBetween(std::int64_t from, std::int64_t to);

// The chooser's round: a request for the document, through the request driver with the
// system's services, up to the chooser painted, then its programs' icons. Returns the exit code.
int ChooserRound(std::int64_t entered, const char* document);

// The floor's round: a top-level window with a report-view list of the layout's rows, columns
// and size, each row with the generic icon, shown and painted; nothing else. Returns the exit
// code.
int FloorRound(std::int64_t entered);

}  // namespace tavrel::bench
