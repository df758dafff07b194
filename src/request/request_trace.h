// What one request decided and why, kept while the request runs and turned into one line of text
// when it ends: for a debugger's output window and for the optional support log. The document is
// kept only as its file name, never its folders, so that a log can be shared.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel {

class RequestTrace {
 public:
  using Clock = std::chrono::steady_clock;

  explicit RequestTrace(Clock::time_point start = Clock::now()) noexcept : start_(start) {}

  // Recording never throws: a trace that cannot be kept (no memory) must not change a request
  // that has, say, started a program already. What cannot be kept is left out.

  // What the request is about, as far as it got.
  void SetVerb(std::string_view verbLine) noexcept;
  void SetTypeKey(std::string_view typeKey) noexcept;
  void SetDocument(std::string_view documentPath) noexcept;  // keeps the file name only
  void SetRows(std::int32_t rows) noexcept { rows_ = rows; }
  // The request's catalogue did not load, for this reason; the one loaded before was used.
  void CatalogueNotLoaded(std::string_view reason) noexcept;

  // The endings; the last one recorded is the request's. Pass returns the result it stands for
  // (1: the caller carries on), so that an ending reads "return trace.Pass(...)".
  std::int32_t Pass(std::string_view reason) noexcept;
  // The type's default program was started; shellResult is the shell's answer (above 32: it ran).
  void StartedDefault(std::string_view program, std::int32_t shellResult) noexcept;
  // The user picked the chooser's row at position (from 1): an added program, or the row that
  // stands for the Windows default.
  void Picked(std::int32_t position, std::string_view name, std::int32_t shellResult) noexcept;
  void PickedWindowsDefault(std::int32_t position) noexcept;
  void ClosedWithoutPick() noexcept;
  // A failure ended the request.
  void Failed(std::int32_t failureNumber) noexcept { failureNumber_ = failureNumber; }

  // Time the user spent with the chooser open; it is reported apart from the server's own time.
  template <class Wait>
  void Untimed(Wait&& wait) {
    const Clock::time_point from = Clock::now();
    wait();
    userTime_ += Clock::now() - from;
  }
  void AddUserTime(Clock::duration time) noexcept { userTime_ += time; }

  // The request's line for the result it ended with, timed up to end; empty when it cannot be
  // made. A decision other than "pass" that still gives 1 says that the shell carries on. A
  // catalogue that did not load is named last.
  std::string Line(std::int32_t result, Clock::time_point end = Clock::now()) const noexcept;

 private:
  std::string verb_;
  std::string typeKey_;
  std::string fileName_;
  std::int32_t rows_ = 0;
  std::string catalogueProblem_;    // empty: loaded, or not read at all
  std::string decision_;            // empty: none recorded
  std::int32_t failureNumber_ = 0;  // set: the decision is this failure
  Clock::time_point start_;
  Clock::duration userTime_{};
};

// The last part of a path, after its last "\", "/" or drive colon.
std::string_view FileNameOf(std::string_view path);

// A program path with its folders left out: "C:\...\Zeta.exe".
std::string WithoutFolders(std::string_view path);

// The shell's short words for a failed start's code (2: "file not found").
std::string_view ShellErrorText(std::int32_t shellResult);

}  // namespace tavrel
