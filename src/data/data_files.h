// The data files one request reads, held in memory: the three user choice files and the
// catalogue, as they came from the work folder or the data package.
#pragma once

#include <optional>
#include <string>

namespace tavrel {

// Each file's bytes as stored; nullopt for a file that is not there (or could not be read).
struct DataFiles {
  std::optional<std::string> add;        // QXAdd.dat
  std::optional<std::string> del;        // QXDel.dat
  std::optional<std::string> def;        // QXDef.dat
  std::optional<std::string> catalogue;  // QXma.xml
  // What kept the package from giving its files, in plain words ("data package damaged (wrong
  // password)"); empty when the files came from it or from the work folder.
  std::string problem;
};

}  // namespace tavrel
