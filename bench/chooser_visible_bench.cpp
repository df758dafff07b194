#include "chooser_visible_bench.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/unique.h"
#include "data/catalogue.h"
#include "data/choice_data.h"
#include "data/package_writer.h"
#include "data/unpack.h"
#include "data/user_choices.h"
#include "data/work_folder.h"
#include "fileinfo/system_dirs.h"
#include "os/files.h"
#include "os/unicode_files.h"
#include "request/candidate_rows.h"
#include "ui/chooser_window.h"

namespace tavrel::bench {
namespace {

constexpr char kRoundFlag[] = "--chooser-round";
constexpr int kSteps = 6;
using Clock = std::chrono::steady_clock;
using ProcessHandle = Unique<HANDLE, &CloseHandle>;
constexpr auto kNoFile = [] { return INVALID_HANDLE_VALUE; };
using FileHandle = Unique<HANDLE, &CloseHandle, kNoFile>;
using SearchHandle = Unique<HANDLE, &FindClose, kNoFile>;

std::string PackagePath() {
  return PackagePathIn(InstallRootOf(files::ProgramFolder()));
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Up to count distinct programs of the system folder: real files with their own icons.
std::vector<std::string> SystemPrograms(std::size_t count) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry{};
  const std::string folder = "C:\\windows\\system32\\";
  const SearchHandle search(FindFirstFileA((folder + "*.exe").c_str(), &entry));
  if (!search) return found;
  do {
    found.push_back(folder + entry.cFileName);
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

// One request's work up to the chooser painted on the screen; prints the times of the data work,
// the window's creation, the rows, fitting, showing and painting (the chooser is then visible),
// then of the programs' icons arriving, and the number of rows.
int ChooserRound() {
  const auto start = Clock::now();
  ReadSystemDir();
  DataFiles files = UnpackFiles();
  if (!files.add) return 1;
  CatalogueKeeper catalogues;
  const ChoiceData choiceData = ReadChoiceData(std::move(files), catalogues);
  std::int32_t last = 0;
  const std::int32_t first = FindKeyRange(".txt", choiceData.choices.add, last);
  const double data = MillisecondsSince(start);
  // The only icon work before the chooser is visible is its list of one generic icon: made and
  // dropped here once alone, cold, to show what it costs (the window then makes its own).
  const HIMAGELIST generic = ImageList_Create(
      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 1, 0);
  ImageList_AddIcon(generic, LoadIconA(nullptr, IDI_APPLICATION));
  ImageList_Destroy(generic);
  const double iconList = MillisecondsSince(start);
  const auto window = CreateChooserWindow();
  ChooserWindow& chooser = *window;
  const double created = MillisecondsSince(start);
  BuildCandidateRows(choiceData.choices.add, first, last, DefaultInfo::Of(std::nullopt),
                     *choiceData.catalogue, chooser);
  const double rows = MillisecondsSince(start);
  if (!chooser.FitToList()) return 1;
  chooser.Show();
  HWND frame = FindWindowA("frmList", nullptr);
  RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  const double visible = MillisecondsSince(start);
  // The programs' icons arrive through the message queue once the window is shown.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageA(&msg);
  RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
  const double icons = MillisecondsSince(start);
  std::printf("%.3f %.3f %.3f %.3f %.3f %.3f %d\n", data, iconList - data, created - iconList,
              rows - created, visible - rows, icons - visible, chooser.Count());
  return 0;
}

// Runs one round in a fresh process and reads the line of times it wrote to a file.
bool RunRound(const char* self, double (&times)[kSteps], int& count) {
  char folder[MAX_PATH] = {};
  char path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  if (!GetTempFileNameA(folder, "tcb", 0, path)) return false;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const FileHandle file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                    CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!file) return false;
  std::string command = std::string("\"") + self + "\" " + kRoundFlag;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file.get();
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION child{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &child))
    return false;
  const ProcessHandle process(child.hProcess);
  const ProcessHandle thread(child.hThread);
  if (WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 1);
    return false;
  }
  char output[256] = {};
  DWORD got = 0;
  SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN);
  ReadFile(file.get(), output, sizeof output - 1, &got, nullptr);
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  if (code != 0) std::printf("  a round ended with %lu: %s\n", code, output);
  return code == 0 && std::sscanf(output, "%lf %lf %lf %lf %lf %lf %d", &times[0], &times[1],
                                  &times[2], &times[3], &times[4], &times[5], &count) == 7;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

bool RunChooserRoundIfAsked(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], kRoundFlag) != 0) return false;
  std::exit(ChooserRound());  // the rows are in the package the parent wrote
}

void ChooserVisibleBench(int rounds) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::printf("request to chooser visible, each round a fresh process (median of %d):\n", rounds);
  std::printf("  %-34s %8s %8s %8s %8s %8s %8s %8s\n", "case", "data", "iconlist", "window", "rows",
              "show", "visible", "+icons");
  for (const int rows : {3, 30}) {
    for (const bool icons : {false, true}) {
      if (!WritePackage(rows, icons)) {
        std::printf("could not write the data package\n");
        return;
      }
      std::vector<double> steps[kSteps];
      std::vector<double> totals;
      int count = 0;
      for (int r = 0; r < rounds; ++r) {
        double times[kSteps] = {};
        if (!RunRound(self, times, count)) continue;  // said why, and left out
        double visible = 0;
        for (int s = 0; s < kSteps; ++s) {
          steps[s].push_back(times[s]);
          if (s < kSteps - 1) visible += times[s];
        }
        totals.push_back(visible);
      }
      const std::string name =
          std::to_string(count) + " rows, " + (icons ? "programs' own icons" : "generic icon only");
      std::printf("  %-34s", name.c_str());
      for (int s = 0; s < kSteps - 1; ++s)
        std::printf(" %8.2f", Median(steps[s]));
      std::printf(" %8.2f %8.2f ms\n", Median(totals), Median(steps[kSteps - 1]));
    }
  }
  DeleteFileA(PackagePath().c_str());
}

}  // namespace tavrel::bench
