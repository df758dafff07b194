#include "errors/error_report.h"

#include <string>
#include <string_view>

#include "base/failure.h"
#include "base/text.h"
#include "errors/error_handler.h"
#include "errors/reporting.h"

namespace tavrel {
namespace {

constexpr std::string_view kTag = "ErrZ2ErrO";
constexpr std::int32_t kNoStackLevel = errnum::kObjectBase + 4001;

// A source that already holds a report is never extended: a failure restored once and recorded
// again keeps its first report.
bool HoldsReport(std::string_view source) {
  return text::ContainsNoCase(source, "Subroutine:");
}

struct ReportFields {
  std::int32_t stackLevel;
  std::int32_t callDepth;
  std::string_view source;
  std::string_view procedureName;
  std::int32_t localLine;
  std::int32_t lineNumber;
  std::int32_t lastDllError;
};

std::string Report(const ReportFields& r) {
  std::string s = "\r\nStack Level: " + std::to_string(r.stackLevel) +
                  "     CD: " + std::to_string(r.callDepth) + "\r\nObject: ";
  s += r.source;
  if (!r.procedureName.empty()) {
    s += "\r\nSubroutine: ";
    s += r.procedureName;
  }
  if (r.localLine != 0) s += "\r\nLocal Line: " + std::to_string(r.localLine);
  if (r.lineNumber != 0) s += "\r\nLine Number: " + std::to_string(r.lineNumber);
  if (r.lastDllError != 0) s += "\r\nLastDllError: " + std::to_string(r.lastDllError);
  return s;
}

}  // namespace

void ErrZ2ErrO(const ErrZ& record, std::optional<std::int32_t> stackLevel) {
  RunReported(kTag, [&] {
    Failure& f = PendingFailure();
    f.number = record.number;
    f.description = record.description;
    f.helpContext = TextToNumber(record.helpContext);
    f.helpFile = record.helpFile;
    if (HoldsReport(record.source)) {
      f.source = record.source;
      return;
    }
    if (!stackLevel) Raise(kNoStackLevel);
    f.source = Report({*stackLevel, record.callDepth, record.source, record.procedureName,
                       record.localLine, record.lineNumber, record.lastDllError});
  });
}

void ErrZ2ErrO(const ErrorArray& array, std::optional<std::int32_t> stackLevel) {
  if (array.empty()) return;
  RunReported(kTag, [&] {
    Failure& f = PendingFailure();
    f.number = SlotNumber(array, slot::kNumber);
    f.description = SlotText(array, slot::kDescription);
    f.helpContext = SlotNumber(array, slot::kHelpContext);
    f.helpFile = SlotText(array, slot::kHelpFile);
    const std::string source = SlotText(array, slot::kSource);
    if (HoldsReport(source)) {
      f.source = source;
      return;
    }
    if (!stackLevel) Raise(kNoStackLevel);
    const std::string procedure = SlotText(array, slot::kProcedureName);
    f.source = Report({*stackLevel, SlotNumber(array, slot::kCallDepth), source, procedure,
                       LocalLine(), f.lineNumber, SlotNumber(array, slot::kLastDllError)});
  });
}

}  // namespace tavrel
