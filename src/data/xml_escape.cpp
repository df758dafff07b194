#include "data/xml_escape.h"

#include "base/hex.h"
#include "base/utf.h"
#include "errors/reporting.h"
#include "os/ansi.h"

namespace tavrel {
namespace {

constexpr std::string_view kOpen = "{[~";
constexpr std::string_view kClose = "~]}";

bool IsSpecial(unsigned char c) {
  return c < 32 || c > 127 || c == '<' || c == '>' || c == '&' || c == '\'' || c == '"';
}

// Reads up to two hexadecimal digits; reading stops at the first other character, and no digit
// at all reads as 0.
char PairValue(std::string_view text, std::size_t at) {
  int value = 0;
  for (std::size_t k = at; k < at + 2 && k < text.size(); ++k) {
    const int digit = hex::DigitValue(text[k]);
    if (digit < 0) break;
    value = value * 16 + digit;
  }
  return static_cast<char>(value);
}

void Encode(std::string_view text, std::string& out) {
  bool inRun = false;
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (IsSpecial(code)) {
      if (!inRun) out += kOpen;
      inRun = true;
      hex::AppendByte(out, code);
    } else {
      if (inRun) out += kClose;
      inRun = false;
      out += c;
    }
  }
  if (inRun) out += kClose;
}

// Decodes with 0-based positions. A run's digits are read in pairs from just after "{[~" while a
// pair starts at least two characters before "~]}"; the text resumes three characters after the
// first pair position not read, which for a well-formed run is just after "~]}". An opening
// without a closing one stays as it is, together with everything after it.
// Each run's bytes go through runBytes on their way out.
template <class RunBytes>
void Decode(std::string_view text, std::string& out, RunBytes&& runBytes) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t p = text.find(kOpen, start);
    if (p == std::string_view::npos) break;
    const std::size_t q = text.find(kClose, p + 4);
    if (q == std::string_view::npos) break;
    out.append(text.substr(start, p - start));
    std::size_t i = p + 3;
    std::string run;
    for (; i + 2 <= q; i += 2)
      run += PairValue(text, i);
    out += runBytes(std::move(run));
    start = i + 3;
  }
  if (start < text.size()) out.append(text.substr(start));
}

}  // namespace

std::string CvtForXmlParser(std::string_view text, std::int32_t mode) {
  std::string result;
  RunReported("CvtForXmlParser", [&] {
    result.reserve(text.size());
    if (mode == kCvtEncode) {
      Encode(text, result);
    } else {
      Decode(text, result, [](std::string run) { return run; });
    }
  });
  return result;
}

std::string DecodeAnsiEscapes(std::string_view utf8) {
  std::string result;
  RunReported("CvtForXmlParser", [&] {
    result.reserve(utf8.size());
    // The product's own writer escapes every byte above 127, so that the plain text around its
    // runs is ASCII and the whole decoded text is in the code page: decoded as a whole, a
    // double-byte character whose second byte was left plain stays whole too.
    if (utf::IsAscii(utf8)) {
      Decode(utf8, result, [](std::string run) { return run; });
      result = os::Utf8FromAnsi(result);
    } else {
      Decode(utf8, result, [](const std::string& run) { return os::Utf8FromAnsi(run); });
    }
  });
  return result;
}

}  // namespace tavrel
