// Times the server's own work in a request, from unpacking the data package to the chooser's rows
// (unpack, read the choice files, load the catalogue, clean up, look up the type, build the rows),
// under Wine with the real file system, for a small data package, one with 10,000 choice lines
// (the document's group at the end), and one with a catalogue of 32,767 entries as well.
// Usage: request_bench [ROUNDS]   (the executable must stand in a folder named "Programs")
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/package_writer.h"
#include "data/unpack.h"
#include "data/user_choices.h"
#include "data/work_folder.h"
#include "fileinfo/system_dirs.h"
#include "platform/ansi_win.h"
#include "server/candidate_rows.h"
#include "server/request_trace.h"
#include "server/trace_output.h"

namespace {

using tavrel::package::Encryption;
using tavrel::package::PackageWriter;

std::string ChoiceLine(const std::string& key, int n) {
  const std::string program = "C:\\Program Files\\Vendor " + std::to_string(n) + "\\app.exe";
  return key + "|Vendor " + std::to_string(n) + " - Application|1.0." + std::to_string(n) + "|OK|" +
         program + "|C:\\PROGRA~1\\VENDOR~" + std::to_string(n) + "\\app.exe\r\n";
}

std::string Catalogue(int entries) {
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
  const std::string data = tavrel::GetInstallRoot();
  CreateDirectoryA((data + "\\Data").c_str(), nullptr);
  PackageWriter writer(tavrel::GetPackagePath(), Encryption::kPkware);
  return writer.AddBytes("QXAdd.dat", add) &&
         writer.AddBytes("QXDef.dat", ".log|x|1|OK|x.exe\r\n") &&
         writer.AddBytes("QXDel.dat", ".tmp\r\n") && writer.AddBytes("QXcat.xml", "<c/>") &&
         writer.AddBytes("QXma.xml", Catalogue(catalogueEntries)) && writer.Close();
}

// The steps of one request's data work, timed one by one.
constexpr const char* kSteps[] = {"unpack", "choices", "catalogue", "clean", "rows"};
constexpr int kStepCount = 5;

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point& mark) {
  const auto now = Clock::now();
  const double ms = std::chrono::duration<double, std::milli>(now - mark).count();
  mark = now;
  return ms;
}

// One request's data work; fills the time of each step and returns the number of rows built.
int Request(double (&times)[kStepCount]) {
  auto mark = Clock::now();
  tavrel::ResetUserChoices();
  tavrel::ReadSystemDir();
  tavrel::UnpackFiles();
  times[0] = Since(mark);
  tavrel::GetUserChoices();
  times[1] = Since(mark);
  tavrel::LoadCatalogue();
  times[2] = Since(mark);
  tavrel::CleanWorkFolder();
  times[3] = Since(mark);
  std::int32_t last = 0;
  tavrel::FindKeyRange(".txt", tavrel::DefChoices(), last);
  tavrel::FindKeyRange(".txt", tavrel::DelChoices(), last);
  const std::int32_t first = tavrel::FindKeyRange(".txt", tavrel::AddChoices(), last);
  tavrel::CandidateVector rows;
  tavrel::BuildCandidateRows(tavrel::AddChoices(), first, last,
                             tavrel::DefaultInfo::FromDescription(""), tavrel::Catalogue(), rows);
  times[4] = Since(mark);
  return rows.Count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Runs the request rounds times; prints the median of each step and returns the median total.
double MedianMilliseconds(int rounds, int& rowCount) {
  std::vector<double> totals;
  std::vector<double> steps[kStepCount];
  for (int r = 0; r < rounds; ++r) {
    double times[kStepCount] = {};
    rowCount = Request(times);
    double total = 0;
    for (int s = 0; s < kStepCount; ++s) {
      steps[s].push_back(times[s]);
      total += times[s];
    }
    totals.push_back(total);
  }
  for (int s = 0; s < kStepCount; ++s)
    std::printf("  %-10s %8.2f ms\n", kSteps[s], Median(steps[s]));
  return Median(totals);
}

// The trace's cost per request: building the line, and handing it on with and without a log
// file (the registry look-up for the log file included). Prints the median of batches.
void TraceCost() {
  constexpr int kBatches = 21;
  constexpr int kPerBatch = 200;
  const auto perRequest = [&](auto&& work) {
    std::vector<double> batches;
    for (int b = 0; b < kBatches; ++b) {
      auto mark = Clock::now();
      for (int i = 0; i < kPerBatch; ++i)
        work();
      batches.push_back(Since(mark) * 1000.0 / kPerBatch);
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
  const std::wstring log = tavrel::AnsiToWide(tavrel::GetInstallRoot() + "\\trace-bench.log");
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
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  struct Case {
    const char* name;
    int lines;
    int entries;
  } cases[] = {{"small: 3 choice lines, 3 catalogue entries", 3, 3},
               {"10,000 choice lines, 3 catalogue entries", 10000, 3},
               {"large: 10,000 choice lines, 32,767 catalogue entries", 10000, 32767}};
  constexpr int kCases = 3;
  double medians[kCases] = {};
  for (int c = 0; c < kCases; ++c) {
    if (!WritePackage(cases[c].lines, cases[c].entries)) {
      std::printf("could not write the data package\n");
      return 1;
    }
    int rows = 0;
    medians[c] = MedianMilliseconds(rounds, rows);
    std::printf("%-55s median %8.2f ms over %d requests, %d rows, %d catalogue entries\n",
                cases[c].name, medians[c], rounds, rows, tavrel::CatalogueCount());
  }
  std::printf("ratio 10,000 lines/small: %.1f\n", medians[1] / medians[0]);
  std::printf("ratio large/small: %.1f\n", medians[2] / medians[0]);
  DeleteFileA(tavrel::GetPackagePath().c_str());
  TraceCost();
  return 0;
}
