// The commands of tavrel-pack, a tool that makes, lists and unpacks the program's data packages:
//   tavrel-pack create [--aes] [--password PW] OUT.dat DIR
//   tavrel-pack list [--password PW] PKG
//   tavrel-pack extract [--password PW] PKG DIR
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavrel::pack {

// Exit codes: what a script calling the tool can tell apart.
enum ExitCode {
  kExitOk = 0,
  kExitFailed = 1,         // anything else: a member that cannot be written, a refused package
  kExitUsage = 2,          // the command line is wrong
  kExitMissing = 3,        // a package, folder or file that is not there
  kExitWrongPassword = 4,  // the password does not open the package
  kExitDamaged = 5,        // not a zip archive, truncated, or failing its checks
  kExitSkipped = 6,        // extracted, but some members were left out (listed on err)
};

// Runs one command line (without the program name); messages go to out and err.
int RunCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tavrel::pack
