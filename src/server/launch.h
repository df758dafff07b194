// Starting the chosen program on the document through the shell.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// What the shell is asked to do for one launch.
struct LaunchCall {
  std::string operation;   // the verb, "open" when none is given
  std::string file;        // the program
  std::string parameters;  // the document's short path, unquoted
  std::string directory;   // the document's drive and folder
};

// The shell call for starting program on document with the verb (empty: "open").
LaunchCall PlanLaunch(const std::string& program, const std::string& document,
                      const std::string& verb);

// Starts program on document through the shell, owned by the desktop window, shown normally.
// Returns the shell's result: above 32 on success, an error code otherwise.
std::int32_t LaunchProgram(const std::string& program, const std::string& document,
                           const std::string& verb);

}  // namespace tavrel
