#include "errors/message_box.h"

#include <cstdio>

#include "base/failure.h"
#include "base/text.h"
#include "errors/errors_edge.h"
#include "errors/reporting.h"

namespace tavrel {
namespace {

// Numbers from the base + 4000 to the base + 5001 are the catalogue's and display without the base.
constexpr std::int32_t kCatalogueFirst = errnum::kObjectBase + 4000;
constexpr std::int32_t kCatalogueLast = errnum::kObjectBase + 5001;
constexpr int kWrapWidth = 50;
constexpr const char* kErrorTitle = "Error -  ";

struct Message {
  std::int32_t number = 0;  // the number as displayed
  std::uint16_t style = boxstyle::kPlain;
  std::string text;
  std::string title;
  std::optional<std::int32_t> result;  // nullopt: not set yet, or null for a silent number
  bool silent = false;
};

std::string Hex(std::int32_t n) {
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(n)));
  return buffer;
}

// The platform's standard description of a number. Like the platform, it describes only numbers
// from 1 to 65535; any other number, or a failure during the look-up, gives none.
std::string Describe(std::int32_t n) {
  if (n < 1 || n > 65535) return {};
  try {
    return StandardDescription(n);
  } catch (...) {
    return {};
  }
}

bool IsTrue(const std::optional<std::int32_t>& result) {
  return result && *result != 0;
}

Message Compose(std::int32_t number, std::optional<std::string_view> title,
                const std::string* text) {
  Message m;
  m.number =
      number >= kCatalogueFirst && number <= kCatalogueLast ? number - errnum::kObjectBase : number;
  if (text) m.text = *text;
  if (title) m.title = text::TrimBlanks(*title);
  const std::int32_t n = m.number;

  if (const Failure& f = PendingFailure(); f.number != 0) {
    m.style = boxstyle::kStop;
    m.title = kErrorTitle + std::to_string(n) + "   :   h0" + Hex(n);
    m.text = "Error: " + f.description + "\r\n" + f.source;
    m.result = msgresult::kDescribed;
    return m;
  }

  if (n >= 4000 && n <= 4003) {
    m.result = msgresult::kCatalogueError;
    m.style = boxstyle::kStop;
    m.title += kErrorTitle;
  } else if (n >= 4500 && n <= 4513) {
    if (m.title.empty()) m.title = "Information";
    m.style = boxstyle::kInfo;
    m.title += ' ';
  } else if (n >= 5000 && n <= 5001) {
    if (m.title.empty()) m.title = "Question";
    m.style = boxstyle::kQuestion;
    m.title += ' ';
  } else if (n == 0 || n == 1 || n == 32755) {
    m.silent = true;
    return m;
  }

  if (m.title.empty()) m.title = kErrorTitle;
  m.title += n < 0 ? "&" + Hex(n) : std::to_string(n);

  if (m.text.empty()) {
    // The text comes from the number's description, and it is an error's text whatever the
    // catalogue range said about the icon.
    const std::string description = Describe(n);
    m.style = boxstyle::kStop;
    if (description.empty()) {
      m.text = "Error number not defined.";
      m.result = msgresult::kNotDescribed;
    } else {
      m.text = "Error: " + description;
      m.result = msgresult::kDescribed;
    }
  }
  return m;
}

std::optional<std::int32_t> Show(Message& m, std::string* text, bool quiet) {
  if (m.silent) return std::nullopt;
  if (quiet) {
    if (text) *text = m.text;
    if (!IsTrue(m.result)) m.result = msgresult::kCatalogueError;
    return m.result;
  }
  BoxEdge().Beep();
  const std::string& shown = text && !text->empty() ? *text : m.text;
  const int answer = BoxEdge().ShowBox(m.title, text::WrapWords(shown, kWrapWidth), m.style);
  // Without a text argument an answer matters only where nothing has decided the result yet.
  if (text || !IsTrue(m.result)) m.result = answer;
  return m.result;
}

std::optional<std::int32_t> ComposeAndShow(std::int32_t number,
                                           std::optional<std::string_view> title, std::string* text,
                                           bool quiet) {
  Message m = Compose(number, title, text);
  return Show(m, text, quiet);
}

}  // namespace

std::optional<std::int32_t> MessageHandler(std::int32_t number,
                                           std::optional<std::string_view> title, std::string* text,
                                           bool quiet) {
  CallDepthScope depth;
  // While a failure is being shown, a failure here belongs to the caller (the error handler ends
  // its report quietly); otherwise this procedure shows its own failure in a plain box.
  if (PendingFailure().number != 0) return ComposeAndShow(number, title, text, quiet);
  try {
    return ComposeAndShow(number, title, text, quiet);
  } catch (...) {
    CatchIntoPending();
  }
  const Failure failure = PendingFailure();
  BoxEdge().ShowBox("Error - " + std::to_string(failure.number),
                    text::WrapWords(failure.description, kWrapWidth), boxstyle::kStop);
  ClearPendingFailure();
  return msgresult::kOwnFailure;
}

}  // namespace tavrel
