// Times the server's own work in a request, from reading the data package to the chooser's rows
// (read the package, fill the choice lists, load the catalogue, look up the type, build the rows),
// under Wine with the real file system, for a small data package and a large one (10,000 choice
// lines with the document's group at the end, and a catalogue of 32,767 entries). Each case runs
// against its floor in the same run: the least work with the same libraries (the package file
// read into memory, every member inflated by libzip, the catalogue parsed in place by pugixml with
// every Alias's ten attributes copied, the choice lines split). Prints the medians, the ratio to
// the floor, and the private bytes of the large case.
// Then the time from a request to the chooser on the screen, with and without program icons,
// against a bare window with the same list. Exits non-zero when a round of that fails.
// Usage: request_bench [ROUNDS [visible]]   (the executable must stand in a folder named
//        "Programs"; with "visible", the time to visible only)
//        request_bench --hold-server SECONDS   (the registered server at rest, see server_idle.h)
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#include <zip.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "bench_round.h"
#include "chooser_visible_bench.h"
#include "data/catalogue.h"
#include "data/choice_data.h"
#include "data/package_writer.h"
#include "data/unpack.h"
#include "data/user_choices.h"
#include "data/work_folder.h"
#include "fileinfo/search_folders.h"
#include "os/files.h"
#include "os/unicode_files.h"
#include "request/candidate_rows.h"
#include "request/request_trace.h"
#include "request/trace_output.h"
#include "server_idle.h"

namespace {

using tavrel::package::Encryption;
using tavrel::package::PackageWriter;
using Clock = std::chrono::steady_clock;

std::string PackagePath() {
  return tavrel::PackagePathIn(tavrel::InstallRootOf(tavrel::files::ProgramFolder()));
}

std::string ChoiceLine(const std::string& key, int n) {
  const std::string program = "C:\\Program Files\\Vendor " + std::to_string(n) + "\\app.exe";
  return key + "|Vendor " + std::to_string(n) + " - Application|1.0." + std::to_string(n) + "|OK|" +
         program + "|C:\\PROGRA~1\\VENDOR~" + std::to_string(n) + "\\app.exe\r\n";
}

std::string CatalogueXml(int entries) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Programs>\n";
  for (int n = 0; n < entries; ++n) {
    const std::string i = std::to_string(n);
    xml += "  <Alias Company=\"Vendor " + i + "\" Product=\"Application\" Version=\"1.0." + i +
           "\" LongPath=\"C:\\Program Files\\Vendor " + i +
           "\\app.exe\" ShortPath=\"\" CompanyA=\"" + "Vendor " + i +
           " Ltd\" ProductA=\"Application Pro\" VersionA=\"1.0 (" + i + ")\"/>\n";
  }
  return xml + "</Programs>\n";
}

// Writes the install tree's data package: lines choice lines, the last three keyed ".txt".
bool WritePackage(int lines, int catalogueEntries) {
  std::string add;
  for (int n = 0; n < lines - 3; ++n)
    add += ChoiceLine(".k" + std::to_string(n % 500), n);
  for (int n = 0; n < 3; ++n)
    add += ChoiceLine(".txt", lines + n);
  CreateDirectoryA((tavrel::InstallRootOf(tavrel::files::ProgramFolder()) + "\\Data").c_str(),
                   nullptr);
  PackageWriter writer(PackagePath(), Encryption::kPkware);
  return writer.AddBytes("QXAdd.dat", add) &&
         writer.AddBytes("QXDef.dat", ".log|x|1|OK|x.exe\r\n") &&
         writer.AddBytes("QXDel.dat", ".tmp\r\n") && writer.AddBytes("QXcat.xml", "<c/>") &&
         writer.AddBytes("QXma.xml", CatalogueXml(catalogueEntries)) && writer.Close();
}

double Milliseconds(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// The catalogue the requests keep between them, as the server does.
tavrel::CatalogueKeeper catalogues;
int loadedEntries = 0;  // the entries of the catalogue the last request used

// One request's data work as the server does it; returns the number of rows built.
int Request() {
  tavrel::SearchFolders folders;
  tavrel::ReadSystemDir(folders);
  const tavrel::ChoiceData data = tavrel::ReadChoiceData(tavrel::UnpackFiles(), catalogues);
  std::int32_t last = 0;
  tavrel::FindKeyRange(".txt", data.choices.def, last);
  tavrel::FindKeyRange(".txt", data.choices.del, last);
  const std::int32_t first = tavrel::FindKeyRange(".txt", data.choices.add, last);
  tavrel::CandidateVector rows;
  tavrel::BuildCandidateRows(data.choices.add, first, last, tavrel::DefaultInfo::Of(std::nullopt),
                             *data.catalogue, rows);
  loadedEntries = static_cast<int>(data.catalogue->size()) - 1;
  return rows.Count();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) + 1);
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\r', pos);
    if (end == std::string::npos) end = text.size();
    lines.emplace_back(text, pos, end - pos);
    pos = end + 1;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}

// The floor: the same libraries doing the least a request needs. Returns the entries copied.
std::size_t Floor() {
  std::string bytes;
  if (tavrel::files::ReadSharedFile(PackagePath(), ~0ull, bytes) != tavrel::files::FileRead::kRead)
    return 0;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  std::vector<std::string> members;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
    std::string content(stat.size, '\0');
    zip_file_t* file =
        zip_fopen_index_encrypted(archive, static_cast<zip_uint64_t>(i), 0, "746Rudo+");
    zip_fread(file, content.data(), content.size());
    zip_fclose(file);
    members.push_back(std::move(content));
  }
  zip_discard(archive);
  zip_error_fini(&error);
  bytes = std::string();

  std::size_t lines = 0;
  for (int m = 0; m < 3; ++m)
    lines += SplitLines(members[static_cast<std::size_t>(m)]).size();
  pugi::xml_document document;
  std::string& xml = members[4];
  document.load_buffer_inplace(xml.data(), xml.size());
  static constexpr std::string_view kNames[] = {"Company",   "Product",   "Version",  "LongPath",
                                                "ShortPath", "CompanyA",  "ProductA", "VersionA",
                                                "LongPathA", "ShortPathA"};
  const auto aliases = document.document_element().children("Alias");
  std::vector<std::array<std::string, 10>> entries;
  entries.reserve(static_cast<std::size_t>(std::distance(aliases.begin(), aliases.end())));
  for (const pugi::xml_node& alias : aliases) {
    std::array<std::string, 10>& entry = entries.emplace_back();
    // One pass over the element's attributes, each copied into its field.
    for (const pugi::xml_attribute& attribute : alias.attributes()) {
      for (std::size_t a = 0; a < 10; ++a) {
        if (kNames[a] == attribute.name()) {
          entry[a] = attribute.value();
          break;
        }
      }
    }
  }
  return entries.size() + lines;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Private bytes of this process (its commit charge), in MiB.
double PrivateMiB() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0);
}

// The highest private bytes seen while it lives, sampled every millisecond on a thread of its own.
class PeakSampler {
 public:
  PeakSampler()
      : thread_([this] {
          while (!done_) {
            const double now = PrivateMiB();
            if (now > peak_) peak_ = now;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
          }
        }) {}
  ~PeakSampler() { Stop(); }
  double Stop() {
    done_ = true;
    if (thread_.joinable()) thread_.join();
    return peak_;
  }

 private:
  std::atomic<bool> done_{false};
  std::atomic<double> peak_{0};
  std::thread thread_;
};

// The trace's cost per request: building the line, and handing it on with and without a log
// file (the registry look-up for the log file included). Prints the median of batches.
void TraceCost() {
  constexpr int kBatches = 21;
  constexpr int kPerBatch = 200;
  const auto perRequest = [&](auto&& work) {
    std::vector<double> batches;
    for (int b = 0; b < kBatches; ++b) {
      const auto mark = Clock::now();
      for (int i = 0; i < kPerBatch; ++i)
        work();
      batches.push_back(Milliseconds(mark) * 1000.0 / kPerBatch);
    }
    return Median(batches);
  };
  const auto line = [] {
    tavrel::RequestTrace trace;
    trace.SetVerb("open");
    trace.SetTypeKey(".txt");
    trace.SetDocument("C:\\Users\\Ann\\Documents\\Quarterly report.txt");
    trace.SetRows(3);
    trace.Picked(2, "Omega Software - Omega Edit", 42);
    return trace.Line(0);
  };
  const std::string sample = line();
  wchar_t temp[MAX_PATH + 2] = {};
  GetTempPathW(MAX_PATH + 2, temp);
  const std::wstring log = std::wstring(temp) + L"tavrel-trace-bench.log";
  if (!tavrel::ConfiguredTraceLog().empty())
    std::printf("note: a LogFile is set for this user; the case without one writes there too\n");
  const double build = perRequest([&] { static_cast<void>(line()); });
  const double lookUp = perRequest([&] { static_cast<void>(tavrel::ConfiguredTraceLog()); });
  const double without =
      perRequest([&] { tavrel::PublishTrace(sample, tavrel::ConfiguredTraceLog()); });
  const double with = perRequest([&] {
    static_cast<void>(tavrel::ConfiguredTraceLog());
    tavrel::PublishTrace(sample, log);
  });
  std::printf(
      "trace per request: build the line %.1f us, publish without a log file %.1f us, "
      "with a log file %.1f us (the registry look-up of the log file alone %.1f us)\n",
      build, without, with, lookUp);
  DeleteFileW(log.c_str());
  DeleteFileW((log + L".old").c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::int64_t entered = tavrel::bench::Ticks();
  if (int code = 0; tavrel::bench::RunRoundIfAsked(argc, argv, entered, code)) return code;
  if (argc == 3 && std::string(argv[1]) == "--hold-server")
    return tavrel::bench::ServerIdleReport(std::atoi(argv[2])) ? 0 : 1;
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  // A temporary folder of the benchmark's own: no choice files there, so the package is read.
  wchar_t system[MAX_PATH + 2] = {};
  GetTempPathW(MAX_PATH + 2, system);
  const std::wstring temp = std::wstring(system) + L"tavrel-bench\\";
  CreateDirectoryW(temp.c_str(), nullptr);
  SetEnvironmentVariableW(L"TMP", temp.c_str());
  SetEnvironmentVariableW(L"TEMP", temp.c_str());
  if (argc > 2 && std::string(argv[2]) == "visible")
    return tavrel::bench::ChooserVisibleBench(rounds) ? 0 : 1;

  struct Case {
    const char* name;
    int lines;
    int entries;
  } cases[] = {{"small", 3, 3}, {"large", 10000, 32767}};
  for (const Case& c : cases) {
    if (!WritePackage(c.lines, c.entries)) {
      std::printf("could not write the data package\n");
      return 1;
    }
    Request();  // a warm-up of each, not timed
    Floor();
    const double before = PrivateMiB();
    std::vector<double> requests, floors;
    int rows = 0;
    // Alternated, so that both see the same state of the machine.
    for (int r = 0; r < rounds; ++r) {
      auto start = Clock::now();
      rows = Request();
      requests.push_back(Milliseconds(start));
      start = Clock::now();
      Floor();
      floors.push_back(Milliseconds(start));
    }
    double peak = 0;
    {
      PeakSampler sampler;
      for (int r = 0; r < 3; ++r)
        Request();
      peak = sampler.Stop();
    }
    const double after = PrivateMiB();
    std::printf(
        "%s case (%d choice lines, %d catalogue entries, %d rows, %d loaded): request "
        "median %.2f ms, floor median %.2f ms over %d rounds\n",
        c.name, c.lines, c.entries, rows, loadedEntries, Median(requests), Median(floors), rounds);
    std::printf("%s: %.2fx its floor\n", c.name, Median(requests) / Median(floors));
    if (c.lines == 10000) {
      std::printf(
          "large: private bytes %.1f MiB before, %.1f MiB at most during a request "
          "(sampled every ms), %.1f MiB after\n",
          before, peak, after);
    }
  }
  TraceCost();
  DeleteFileA(PackagePath().c_str());
  const bool visibleOk = tavrel::bench::ChooserVisibleBench(rounds);
  RemoveDirectoryW(temp.c_str());
  return visibleOk ? 0 : 1;
}
