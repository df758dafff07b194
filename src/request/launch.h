// Starting the chosen program on the document through the shell.
#pragma once

#include <cstdint>
#include <string>

#include "fileinfo/search_folders.h"

namespace tavrel {

// What the shell is asked to do for one launch.
struct LaunchCall {
  std::string operation;   // the verb, "open" when none is given
  std::string file;        // the program
  std::string parameters;  // the document's short path; in double quotes when it holds a blank
  std::string directory;   // the document's drive and folder
};

// How a launch went.
struct [[nodiscard]] LaunchResult {
  bool started = false;
  std::int32_t shellAnswer = 0;  // what the shell returned: above 32 when the program started
  std::int32_t systemError = 0;  // the system's error number for a start that failed, else 0
};

// The shell call for starting program on document with the verb (empty: "open"); the document's
// folder is found as the file-type analysis finds it, with folders.
LaunchCall PlanLaunch(const std::string& program, const std::string& document,
                      const std::string& verb, const SearchFolders& folders);

// The result for the shell's answer to a start.
LaunchResult LaunchResultOf(std::int32_t shellAnswer);

// Starts program on document through the shell, owned by the desktop window, shown normally.
LaunchResult LaunchProgram(const std::string& program, const std::string& document,
                           const std::string& verb, const SearchFolders& folders);

// Tells the user that the program did not start, with the system's reason, in the error
// handler's message box. Never throws.
void ReportFailedStart(const std::string& program, const LaunchResult& result) noexcept;

}  // namespace tavrel
