#include "data/unpack.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "errors/failure.h"

namespace tavrel {
namespace {

// A system whose files are a set of paths; extraction attempts follow a script.
class FakeSystem final : public UnpackSystem {
 public:
  void CopyPackage(const std::string& from, const std::string& to) override {
    calls.push_back("copy " + from + " " + to);
    if (!files.count(from)) Raise(errnum::kFileNotFound);
    files.insert(to);
  }
  bool FileExists(const std::string& path) override { return files.count(path) > 0; }
  void RemoveFile(const std::string& path) override {
    calls.push_back("delete " + path);
    if (!files.erase(path)) Raise(errnum::kFileNotFound);
  }
  void PumpMessages() override { ++pumps; }
  bool Extract(const std::string& package, const std::string& folder) override {
    calls.push_back("extract " + package + " " + folder);
    const bool ok = attempts < script.size() && script[attempts];
    ++attempts;
    if (ok && packageHasCheckFile) files.insert("W\\QXcat.xml");
    if (throwOnExtract) Raise(errnum::kInvalidCall);
    return ok;
  }
  void ReportMissingCheckFile() override { ++reports; }

  bool Unpack() { return UnpackPackageInto("I\\Data\\QXTavrel.dat", "W", "W\\QXcat.xml", *this); }

  std::set<std::string> files = {"I\\Data\\QXTavrel.dat"};
  std::vector<std::string> calls;
  std::vector<bool> script;  // result of each extraction attempt
  bool packageHasCheckFile = true;
  bool throwOnExtract = false;
  std::size_t attempts = 0;
  int pumps = 0;
  int reports = 0;
};

TEST(Unpack, ExtractsFromACopyUntilAnAttemptSucceedsAndDeletesTheCopy) {
  FakeSystem system;
  system.script = {false, false, true};
  EXPECT_TRUE(system.Unpack());
  const std::string extract = "extract W\\QXTavrel.dat W";
  EXPECT_EQ(system.calls,
            (std::vector<std::string>{"copy I\\Data\\QXTavrel.dat W\\QXTavrel.dat", extract,
                                      extract, extract, "delete W\\QXTavrel.dat"}));
  EXPECT_EQ(system.files, (std::set<std::string>{"I\\Data\\QXTavrel.dat", "W\\QXcat.xml"}));
  EXPECT_EQ(system.reports, 0);
}

TEST(Unpack, MissingPackageTriesElevenTimesAndEndsQuietly) {
  FakeSystem system;
  system.files.clear();
  EXPECT_FALSE(system.Unpack());
  EXPECT_EQ(system.attempts, 11u);
  // 101 rounds waiting for the copy, then two rounds after each attempt.
  EXPECT_EQ(system.pumps, 101 + 2 * 11);
  EXPECT_EQ(system.calls.back(), "delete W\\QXTavrel.dat");
  EXPECT_EQ(system.reports, 0);
  EXPECT_EQ(PendingFailure().number, 0);
}

TEST(Unpack, AFailingAttemptThatLeftTheCheckFileEndsTheAttempts) {
  FakeSystem system;
  system.script = {true};
  system.throwOnExtract = true;    // the attempt fails after the files were written
  EXPECT_FALSE(system.Unpack());   // ok never became true...
  EXPECT_EQ(system.attempts, 1u);  // ...but the check file was there, so no more attempts
  EXPECT_EQ(system.reports, 0);
}

TEST(Unpack, PackageWithoutCheckFileIsReportedOnce) {
  FakeSystem system;
  system.script = {true};
  system.packageHasCheckFile = false;
  PendingFailure() = MakeFailure(errnum::kFileNotFound);
  EXPECT_FALSE(system.Unpack());
  EXPECT_EQ(system.attempts, 1u);
  EXPECT_EQ(system.reports, 1);
  EXPECT_EQ(PendingFailure().number, 0);  // cleared before the message
  EXPECT_EQ(UnpackProblem(), "data package holds no check file");
}

}  // namespace
}  // namespace tavrel
