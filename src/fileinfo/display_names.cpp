#include "fileinfo/display_names.h"

#include "base/text.h"
#include "base/utf.h"
#include "fileinfo/strings.h"

namespace tavrel {
namespace {

// Symbols a company name carries outside ASCII: the Latin-1 signs (© ® ° ± ...), × and ÷, and the
// general punctuation, letter-like signs (™ ℠), arrows and mathematical signs. Letters of every
// script stay.
bool IsSymbol(char32_t c) {
  return (c >= 0x7F && c <= 0xBF) || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x2BFF) ||
         c >= utf::kInvalidByte;
}

std::string WithoutSymbols(std::string_view text) {
  std::string kept;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 0;
    if (!IsSymbol(utf::DecodeAt(text, i, length))) kept.append(text.substr(i, length));
    i += length;
  }
  return kept;
}

// Removed in this order; each longer form stands before its prefix.
constexpr std::string_view kCompanySuffixes[] = {
    " Systems", " Communications", " Communication", " Corporation",
    " Corp",    " Development",    " incorporated",  " inc",
};

}  // namespace

std::string ShortCompanyName(std::string_view company, std::string_view fallback) {
  std::string base = StripChrs(company, "", true, false);
  if (const auto comma = base.find(','); comma != std::string::npos) base.resize(comma);
  // A "|" separates the fields of the user's choice lines, where these names are kept; it turns
  // into "/" whether or not the reduction is kept.
  base = StrReplace(base, "|", "/", false);
  std::string name = base;
  for (auto suffix : kCompanySuffixes)
    name = StrReplace(name, suffix, "", true);
  if (name.size() < 4) name = base;
  name = std::string(text::TrimBlanks(WithoutSymbols(StripChrs(name, ".,-", true, false))));
  return name.empty() ? std::string(fallback) : name;
}

std::string CompactVersion(std::string_view version) {
  std::string v = StripChrs(version, "", true, true);
  v = StrReplace(v, "|", "/", false);
  v = StrReplace(v, ",", ".", false);
  return StrReplace(v, " ", "", false);
}

std::optional<ProgramDescription> DescribeProgram(const FileVersionInfo& info,
                                                  const std::string& shortPath,
                                                  const std::string& shortOfShortPath) {
  // A "|" in the description or product name is shown as "/", as in the company name.
  const auto asField = [](std::string_view s) { return StrReplace(s, "|", "/", false); };
  const std::string company = ShortCompanyName(info.CompanyName, "Missing Info.");
  std::string display;
  if (const auto description = text::TrimBlanks(info.FileDescription); !description.empty())
    display = company + " - " + asField(description);
  else if (!info.ProductName.empty())
    display = company + "- " + asField(info.ProductName);
  else
    return std::nullopt;
  std::string version = CompactVersion(info.FileVersion);
  if (version.find('.') == std::string::npos) return std::nullopt;
  return ProgramDescription{std::move(display), std::move(version), "OK", shortPath,
                            shortOfShortPath};
}

}  // namespace tavrel
