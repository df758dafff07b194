#include "errors/error_handler.h"

#include <limits>
#include <utility>
#include <vector>

#include "base/failure.h"
#include "base/text.h"
#include "errors/error_report.h"
#include "errors/errors_edge.h"
#include "errors/message_box.h"
#include "errors/reporting.h"
#include "errors/system_error_text.h"

namespace tavrel {
namespace {

// Failures numbered from 0x80000000 up to this one are the system's own (COM and Win32 results):
// they get the system's text in place of whatever description they came with.
constexpr std::int32_t kLastSystemFailure = static_cast<std::int32_t>(0x80050000u);
constexpr std::int32_t kUnlistedAction = errnum::kObjectBase + 4001;

// A report made while this many reports are already showing records is dropped: a box pumps
// messages, so work that fails every time it runs meanwhile may report once more from inside the
// box, but cannot stack boxes without end.
constexpr std::int16_t kMaxNestedShowing = 2;

struct HandlerState {
  std::int16_t count = 0;    // records on the trail
  std::int16_t nesting = 0;  // handler calls active on this thread, nested ones included
  std::int16_t showing = 0;  // reports now popping and showing records
  std::vector<ErrZ> trail;   // slots 0 to count once anything was pushed; slot 0 stays empty
};

thread_local HandlerState state;
thread_local std::int16_t localLine = 0;

class NestingScope {
 public:
  NestingScope() { IncrementChecked(state.nesting); }
  ~NestingScope() { --state.nesting; }
  NestingScope(const NestingScope&) = delete;
  NestingScope& operator=(const NestingScope&) = delete;
};

class ShowingScope {
 public:
  ShowingScope() noexcept { ++state.showing; }
  ~ShowingScope() { --state.showing; }
  ShowingScope(const ShowingScope&) = delete;
  ShowingScope& operator=(const ShowingScope&) = delete;
};

void SetCount(std::int16_t count) {
  state.trail.resize(static_cast<std::size_t>(count) + 1);
  state.count = count;
}

void Push(const HandlerArgs& args) {
  Failure& f = PendingFailure();
  // The handler's own nested calls do not count: the depth is that of the procedure that
  // reported, however deeply the handler is nested.
  const bool fromHandler = args.procedure && text::EqualsNoCase(*args.procedure, "ErrorHandler");
  const auto depth = static_cast<std::int16_t>(CallDepth() - (fromHandler ? 1 : state.nesting));

  if (f.number == 0) {
    std::int32_t code = args.callerCode.value_or(0);
    if (code == 0) code = args.lastDllError.value_or(f.lastDllError);
    if (code == 0) code = TextEdge().LastError();
    f.number = code;
    if (f.description.empty()) f.description = GetSystemErrorText(code);
  } else if (f.number <= kLastSystemFailure) {
    f.description = GetSystemErrorText(f.number);
  }

  ErrZ record;
  record.description = args.description.value_or(f.description);
  record.callDepth = depth;
  record.helpContext = std::to_string(args.helpContext.value_or(f.helpContext));
  record.helpFile = args.helpFile.value_or(f.helpFile);
  record.lastDllError = args.lastDllError.value_or(f.lastDllError);
  record.number = args.number.value_or(f.number);
  record.lineNumber = args.lineNumber.value_or(f.lineNumber);
  // A caller's code outside the 16-bit range cannot be a local line; it is recorded as none.
  const std::int32_t code = args.callerCode.value_or(0);
  const bool fits = code >= std::numeric_limits<std::int16_t>::min() &&
                    code <= std::numeric_limits<std::int16_t>::max();
  record.localLine = fits ? static_cast<std::int16_t>(code) : std::int16_t{0};
  record.source = f.source;
  record.procedureName = args.procedure.value_or(std::string());

  std::int16_t count = state.count;
  IncrementChecked(count);
  SetCount(count);
  state.trail[static_cast<std::size_t>(count)] = std::move(record);
}

HandlerResult Run(std::int16_t actionCode, const HandlerArgs& args, bool restoreSaved);

HandlerResult Restore() {
  if (state.count <= 0) return {};
  // A copy: restoring may report, and a report changes the trail.
  const ErrZ top = state.trail[static_cast<std::size_t>(state.count)];
  ErrZ2ErrO(top, state.count);
  if (state.count > 0) SetCount(static_cast<std::int16_t>(state.count - 1));
  return ToErrorArray(top);
}

void ReportAndShow(const HandlerArgs& args) {
  if (state.showing >= kMaxNestedShowing) {
    ClearPendingFailure();
    return;
  }
  Run(action::kRecord, args, false);
  // From here on a failure ends the report quietly: nothing is shown for it, and the records not
  // yet shown stay on the trail.
  try {
    ShowingScope showing;
    while (state.count != 0) {
      Run(action::kRestore, args, false);
      MessageHandler(PendingFailure().number);
    }
  } catch (...) {
    ClearPendingFailure();
  }
}

void ReportUnlistedAction(const HandlerArgs& args) {
  Run(action::kRecord, args, false);
  SkipFailure([] {
    localLine = 0;
    PendingFailure() = MakeFailure(kUnlistedAction);
  });
  Run(action::kRecord, args, false);
  if (PendingFailure().number != 0) Run(action::kReportAndShow, args, false);
}

HandlerResult Run(std::int16_t actionCode, const HandlerArgs& args, bool restoreSaved) {
  CallDepthScope depth;
  NestingScope nesting;
  if (restoreSaved && args.savedError) ErrZ2ErrO(*args.savedError, state.count);

  switch (actionCode) {
    case action::kDrop:
      if (state.count > 0) SetCount(static_cast<std::int16_t>(state.count - 1));
      ClearPendingFailure();
      localLine = 0;
      return {};
    case action::kReset:
      if (state.count > 0) {
        state.trail.clear();
        SetCount(0);
      }
      ClearPendingFailure();
      localLine = 0;
      return {};
    case action::kCount:
      return state.count;
    case action::kRestore:
      return Restore();
    case action::kRecord:
      Push(args);
      return {};
    case action::kReportAndShow:
      ReportAndShow(args);
      return {};
    default:
      ReportUnlistedAction(args);
      return {};
  }
}

}  // namespace

HandlerResult ErrorHandler(std::int16_t actionCode, const HandlerArgs& args) {
  return Run(actionCode, args, true);
}

std::int16_t& LocalLine() noexcept {
  return localLine;
}

void ReportFailure(std::string_view tag) noexcept {
  try {
    HandlerArgs args;
    args.procedure = std::string(tag);
    ErrorHandler(action::kReportAndShow, args);
  } catch (...) {
    // The record could not even be pushed (the trail or the call depth is full): the failure
    // cannot be shown, and it ends with the procedure like any other.
  }
  ClearPendingFailure();
}

}  // namespace tavrel
