#include "request/request_trace.h"

#include <gtest/gtest.h>

#include <functional>

namespace tavrel {
namespace {

using Clock = RequestTrace::Clock;
using std::chrono::milliseconds;

// A trace that started at t0 and ends after 12 ms of the server's own time. (What the line says
// about the request is the next test's, and the end-to-end trace test's.)
std::string LineOf(const std::function<void(RequestTrace&)>& fill, std::int32_t result) {
  const Clock::time_point t0{};
  RequestTrace trace(t0);
  fill(trace);
  return trace.Line(result, t0 + milliseconds(12) + milliseconds(3400));
}

// The request driver's tests pin the decision of every ending; these are the figures and the
// endings it does not reach.
TEST(RequestTrace, FiguresAndTheEndingsTheDriverDoesNotReach) {
  const struct {
    std::function<void(RequestTrace&)> fill;
    std::int32_t result;
    std::string expected;
  } cases[] = {
      {[](RequestTrace& t) {
         t.SetRows(3);
         t.AddUserTime(milliseconds(3400));
         t.Picked(2, "Omega Edit", 33);
       },
       0, "chooser: 3 rows, picked 2 (Omega Edit); rows 3, result 0, 12 ms, chooser open 3400 ms"},
      {[](RequestTrace& t) {
         t.SetRows(3);
         t.Picked(1, "Alpha", 5);
       },
       0,
       "chooser: 3 rows, picked 1 (Alpha), start failed (5, access denied); rows 3, result 0, "
       "3412 ms"},
      // A failure ends the request whatever was decided before it.
      {[](RequestTrace& t) {
         t.StartedDefault("x.exe", 42);
         t.Failed(9);
       },
       1, "pass: failure 9 (Subscript out of range); rows 0, result 1, 3412 ms"},
      {[](RequestTrace&) {}, 1, "pass: no decision recorded; rows 0, result 1, 3412 ms"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LineOf(c.fill, c.result), "TavrelCommander: " + c.expected);
}

std::string Repeat(std::string_view text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i)
    repeated += text;
  return repeated;
}

// Whatever the caller sent, the line keeps the document's name without its folders, stays one
// line and stays short; it shows only what the request got to.
TEST(RequestTrace, DocumentAndVerbAreKeptPrivateAndOnOneLine) {
  const struct {
    std::string verb, document, expected, type = {};
  } cases[] = {
      {"", "", ""},
      {"open", "\\\\server\\home$\\Ann\\Payroll\\june.xls", "verb \"open\", file \"june.xls\""},
      {"open", "C:notes.txt", "verb \"open\", file \"notes.txt\""},
      {"open", "C:/Users/Ann/a b.txt", "verb \"open\", file \"a b.txt\""},
      {"open\r\nX", "C:\\dir\\", "verb \"open??X\""},
      {"say \"hi\"", "C:\\a\tb.txt", "verb \"say ?hi?\", file \"a?b.txt\""},
      {std::string(40, 'v'), "C:\\" + std::string(96, 'n') + ".txt",
       "verb \"" + std::string(40, 'v') + "\", file \"" + std::string(96, 'n') + ".txt\""},
      {std::string(41, 'v'), "C:\\" + std::string(97, 'n') + ".txt",
       "verb \"" + std::string(40, 'v') + "...\", file \"" + std::string(97, 'n') + ".tx...\""},
      {"", "", "type " + std::string(40, 't'), std::string(40, 't')},
      {"", "", "type " + std::string(40, 't') + "...", std::string(41, 't')},
      {"open", "C:\\a" + Repeat("я", 60) + ".txt",
       "verb \"open\", file \"a" + Repeat("я", 49) + "...\""},
  };
  for (const auto& c : cases) {
    RequestTrace trace(Clock::time_point{});
    trace.SetVerb(c.verb);
    trace.SetTypeKey(c.type);
    trace.SetDocument(c.document);
    trace.Pass("x");
    EXPECT_EQ(trace.Line(1, Clock::time_point{}), "TavrelCommander: " + c.expected +
                                                      (c.expected.empty() ? "" : ": ") +
                                                      "pass: x; rows 0, result 1, 0 ms")
        << c.document;
  }
}

TEST(RequestTrace, ProgramsLoseTheirFolders) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Program Files\\Zeta\\Zeta.exe", "C:\\...\\Zeta.exe"},
      {"\\\\srv\\apps\\Zeta.exe", "\\\\srv\\...\\Zeta.exe"},
      {"Apps\\Zeta.exe", "...\\Zeta.exe"},
      {"C:\\Zeta.exe", "C:\\Zeta.exe"},
      {"Zeta.exe", "Zeta.exe"},
  };
  for (const auto& [path, expected] : cases)
    EXPECT_EQ(WithoutFolders(path), expected) << path;
}

}  // namespace
}  // namespace tavrel
