#include "fake_request.h"

#include <regex>

#include "fileinfo/file_type.h"
#include "os/files.h"
#include "os/os.h"

namespace tavrel::fake_request {

ChoiceData Choices::Read() {
  DataFiles data;
  for (auto [name, file] :
       {std::pair{"QXAdd.dat", &data.add}, std::pair{"QXDel.dat", &data.del},
        std::pair{"QXDef.dat", &data.def}, std::pair{"QXma.xml", &data.catalogue}})
    if (const auto it = files.find(name); it != files.end()) *file = it->second;
  data.problem = packageProblem;
  return ReadChoiceData(std::move(data), catalogues_);
}

void Chooser::Show() {
  std::string shown = "show \"" + caption + "\":";
  for (const Candidate& row : rows.rows)
    shown += " " + row.text + "|" + row.detail + (row.colour == kColourBlue ? " (blue)" : "") + ";";
  shown.pop_back();
  log_.push_back(shown);
}

LaunchResult Shell::Launch(const std::string& program, const std::string& document,
                           const std::string& verb, const SearchFolders& folders) {
  const bool armed = os::IsFile(files::ProgramFolder() + "\\Bl1.ign");
  const LaunchCall call = PlanLaunch(program, document, verb, folders);
  log_.push_back("start " + call.file + " " + call.parameters + " " + call.operation +
                 (armed ? " armed" : ""));
  whileStarting();
  return LaunchResultOf(answer);
}

void Shell::ReportFailedStart(const std::string& program, const LaunchResult& result) noexcept {
  log_.push_back("report " + program);
  tavrel::ReportFailedStart(program, result);
}

std::optional<std::uint32_t> Files::Attributes(const std::string& path) {
  return os::FileAttributes(path);
}

std::string Files::ShortPath(const std::string& path) {
  return GetShortPath(path);
}

std::int32_t World::Serve(std::string_view rsParams) {
  RequestTrace trace;
  const std::int32_t result = driver.Serve(rsParams, trace);
  static const std::regex time(", (chooser open )?[0-9]+ ms");
  traces.push_back(std::regex_replace(trace.Line(result), time, ""));
  return result;
}

}  // namespace tavrel::fake_request
