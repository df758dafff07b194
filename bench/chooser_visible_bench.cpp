#include "chooser_visible_bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "bench_round.h"
#include "data/package_writer.h"
#include "data/work_folder.h"
#include "os/files.h"
#include "os/handles_win.h"
#include "os/unicode_files.h"

namespace tavrel::bench {
namespace {

constexpr char kRoundFlag[] = "--round";
constexpr char kChooser[] = "chooser";
constexpr char kFloor[] = "floor";
// The chooser's steps as its round reports them; all but the last lead up to visible.
constexpr const char* kStepNames[] = {"request", "data", "default", "window", "rows",
                                      "fit",     "show", "paint",   "+icons"};
constexpr std::size_t kSteps = std::size(kStepNames);

std::string PackagePath() {
  return PackagePathIn(InstallRootOf(files::ProgramFolder()));
}

// Up to count distinct programs of the system folder: real files with their own icons. Notepad
// is left out: it is the text document's Windows default, which has a row of its own.
std::vector<std::string> SystemPrograms(std::size_t count) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry{};
  const std::string folder = "C:\\windows\\system32\\";
  const SearchHandle search(FindFirstFileA((folder + "*.exe").c_str(), &entry));
  if (!search) return found;
  do {
    if (_stricmp(entry.cFileName, "notepad.exe") != 0) found.push_back(folder + entry.cFileName);
  } while (found.size() < count && FindNextFileA(search.get(), &entry));
  return found;
}

// The data package: choice lines for ".txt" that make rows rows with the Windows default row,
// their programs real (with icons of their own) or empty (the generic icon).
bool WritePackage(int rows, bool icons) {
  const std::vector<std::string> programs = SystemPrograms(static_cast<std::size_t>(rows));
  std::string add;
  for (int n = 0; n < rows - 1; ++n) {
    const std::string program =
        icons && static_cast<std::size_t>(n) < programs.size() ? programs[n] : "";
    add += ".txt|Vendor " + std::to_string(n) + " - Application|1.0." + std::to_string(n) + "|OK|" +
           program + "|" + program + "\r\n";
  }
  CreateDirectoryA((InstallRootOf(files::ProgramFolder()) + "\\Data").c_str(), nullptr);
  package::PackageWriter writer(PackagePath(), package::Encryption::kPkware);
  return writer.AddBytes("QXAdd.dat", add) && writer.AddBytes("QXDef.dat", "") &&
         writer.AddBytes("QXDel.dat", "") && writer.AddBytes("QXcat.xml", "<c/>") &&
         writer.AddBytes("QXma.xml", "<Programs/>") && writer.Close();
}

// The document of the requests: a text file, whose Windows default is a real program.
std::string WriteDocument() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "Quarterly report.txt";
  const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), "figures\r\n", 9, &written, nullptr) ? path : std::string();
}

struct Round {
  std::vector<double> times;  // the round's steps, ms
  double start = 0;           // CreateProcess to the process's entry, ms
  std::string layout;         // the chooser's frame and row lines
  int rows = 0;
  std::string failure;  // why the round did not give times; empty when it did
};

void Parse(const std::string& output, Round& round) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("times ", 0) == 0) {
      std::istringstream values(line.substr(6));
      for (double t = 0; values >> t;)
        round.times.push_back(t);
    } else if (line.rfind("start ", 0) == 0) {
      round.start = std::atof(line.c_str() + 6);
    } else if (line.rfind("failed ", 0) == 0) {
      round.failure = line.substr(7);
    } else if (line.rfind("frame ", 0) == 0 || line.rfind("row ", 0) == 0) {
      round.layout += line + "\n";
      round.rows += line[0] == 'r' ? 1 : 0;
    }
  }
}

// Runs one round in a fresh process and reads the report it wrote to a file.
Round RunRound(const char* self, const char* kind, const std::string& document) {
  Round round;
  char folder[MAX_PATH] = {};
  char path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  if (!GetTempFileNameA(folder, "tcb", 0, path)) return {{}, 0, {}, 0, "no temporary file"};
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const FileHandle file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                    CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!file) return {{}, 0, {}, 0, "no temporary file"};
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file.get();
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION child{};
  const std::string head = std::string("\"") + self + "\" " + kRoundFlag + " " + kind + " ";
  // On a busy machine Wine fails a start now and then (system error 1359: the new process ended
  // before it had started up); such a start is tried again, twice at most.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    std::string command = head + std::to_string(Ticks()) + " \"" + document + "\"";
    started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &child) != FALSE;
  }
  if (!started)
    return {{}, 0, {}, 0, "CreateProcess failed, system error " + std::to_string(GetLastError())};
  const KernelHandle process(child.hProcess);
  const KernelHandle thread(child.hThread);
  if (WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 1);
    return {{}, 0, {}, 0, "no end within 30 s"};
  }
  std::string output(1 << 16, '\0');
  DWORD got = 0;
  SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN);
  ReadFile(file.get(), output.data(), static_cast<DWORD>(output.size()), &got, nullptr);
  output.resize(got);
  Parse(output, round);
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  if (code != 0 && round.failure.empty())
    round.failure = "ended with exit code " + std::to_string(code);
  if (round.failure.empty() && round.times.empty()) round.failure = "reported no times";
  return round;
}

// The value a fraction of the others lie below: 0.5 the median.
double Quantile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(static_cast<double>(values.size() - 1) * fraction + 0.5)];
}

double Median(std::vector<double> values) {
  return Quantile(std::move(values), 0.5);
}

struct CaseResult {
  std::string name;
  double visible = 0;
  double floor = 0;
  // The fastest quarter's bound of both: on a busy machine, where most rounds wait for the
  // processor, what the rounds that did not wait take.
  double visibleQuarter = 0;
  double floorQuarter = 0;
  // The median of each round's own ratio to the floor's round beside it, which both ran in the
  // same moment of the machine: a burst of load that falls on one round moves it little.
  double pairedRatio = 0;
};

// One case: a warm-up round of the chooser gives the floor its layout, then rounds of the
// chooser and of its floor alternate, so that both see the same state of the machine. Prints the
// medians, or the reason a round failed; false then.
bool RunCase(const char* self, const std::string& document, int rows, bool icons, int rounds,
             CaseResult& result) {
  result.name = std::to_string(rows) + " rows" + (icons ? ", programs' own icons" : "");
  std::printf("  %-32s", result.name.c_str());
  const auto fail = [&](const char* who, const std::string& why) {
    std::printf(" FAILED: a %s round %s\n", who, why.c_str());
    return false;
  };
  if (!WritePackage(rows, icons)) return fail(kChooser, "found no data package");
  const Round warm = RunRound(self, kChooser, document);
  if (!warm.failure.empty()) return fail(kChooser, warm.failure);
  if (warm.rows != rows)
    return fail(kChooser,
                "showed " + std::to_string(warm.rows) + " rows, not " + std::to_string(rows));
  SetEnvironmentVariableA(kLayoutVariable, warm.layout.c_str());
  std::vector<double> steps[kSteps];
  std::vector<double> visible, floor, start, ratios;
  for (int r = 0; r < rounds; ++r) {
    // Each goes first in turn: what a round leaves behind (the Wine server's and the display's
    // work for the process that ended) falls on both alike.
    Round chooser, bare;
    if (r % 2 == 0) chooser = RunRound(self, kChooser, document);
    bare = RunRound(self, kFloor, document);
    if (r % 2 != 0) chooser = RunRound(self, kChooser, document);
    if (!chooser.failure.empty()) return fail(kChooser, chooser.failure);
    if (chooser.times.size() != kSteps) return fail(kChooser, "reported the wrong steps");
    if (!bare.failure.empty()) return fail(kFloor, bare.failure);
    for (std::size_t s = 0; s < kSteps; ++s)
      steps[s].push_back(chooser.times[s]);
    visible.push_back(std::accumulate(chooser.times.begin(), chooser.times.end() - 1, 0.0));
    floor.push_back(bare.times.front());
    ratios.push_back(visible.back() / floor.back());
    start.push_back(chooser.start);
  }
  result.visible = Median(visible);
  result.floor = Median(floor);
  result.visibleQuarter = Quantile(visible, 0.25);
  result.floorQuarter = Quantile(floor, 0.25);
  result.pairedRatio = Median(ratios);
  for (std::size_t s = 0; s + 1 < kSteps; ++s)
    std::printf(" %7.2f", Median(steps[s]));
  std::printf(" %8.2f %7.2f %7.2f %7.2f ms\n", result.visible, Median(steps[kSteps - 1]),
              result.floor, Median(start));
  return true;
}

}  // namespace

std::int64_t Ticks() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double MillisecondsBetween(std::int64_t from, std::int64_t to) {
  static const double perMillisecond = [] {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  return static_cast<double>(to - from) / perMillisecond;
}

bool RunRoundIfAsked(int argc, char** argv, std::int64_t entered, int& code) {
  if (argc < 5 || std::strcmp(argv[1], kRoundFlag) != 0) return false;
  std::printf("start %.3f\n", MillisecondsBetween(std::strtoll(argv[3], nullptr, 10), entered));
  code = std::strcmp(argv[2], kChooser) == 0 ? ChooserRound(entered, argv[4]) : FloorRound(entered);
  std::fflush(stdout);
  return true;
}

bool ChooserVisibleBench(int rounds) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string document = WriteDocument();
  std::printf(
      "request to chooser visible: each round a fresh process, from its entry to the window "
      "painted, alternating with the floor's (a bare window with the same list); medians of %d "
      "rounds, ms\n",
      rounds);
  std::printf("  %-32s", "case");
  for (std::size_t s = 0; s + 1 < kSteps; ++s)
    std::printf(" %7s", kStepNames[s]);
  std::printf(" %8s %7s %7s %7s\n", "visible", kStepNames[kSteps - 1], "floor", "start");
  bool ok = !document.empty();
  if (!ok) std::printf("could not write the document\n");
  std::vector<CaseResult> results;
  for (const int rows : {3, 30}) {
    for (const bool icons : {false, true}) {
      CaseResult result;
      if (ok && RunCase(self, document, rows, icons, rounds, result)) {
        results.push_back(result);
      } else {
        ok = false;
      }
    }
  }
  for (const CaseResult& r : results)
    std::printf(
        "visible, %s: %.2fx its floor (fastest quarter of the rounds: %.2fx, median of each "
        "round's own ratio: %.2fx)\n",
        r.name.c_str(), r.visible / r.floor, r.visibleQuarter / r.floorQuarter, r.pairedRatio);
  // The programs' own icons are looked up once the window is shown: the time to visible stays
  // that of the generic icon's case. The two cases ran apart, each beside its own floor's rounds:
  // compared through their rounds' own ratios, what the machine did meanwhile falls out.
  for (std::size_t c = 0; c + 1 < results.size(); c += 2) {
    const CaseResult& generic = results[c];
    const CaseResult& own = results[c + 1];
    std::printf(
        "programs' own icons, %s: %+.1f %% to visible, %+.2f ms at the floor's median "
        "(%.2fx against %.2fx its floor)\n",
        generic.name.c_str(), 100 * (own.pairedRatio / generic.pairedRatio - 1),
        (own.pairedRatio - generic.pairedRatio) * generic.floor, own.pairedRatio,
        generic.pairedRatio);
  }
  DeleteFileA(PackagePath().c_str());
  DeleteFileA(document.c_str());
  return ok;
}

}  // namespace tavrel::bench
