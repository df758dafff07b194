// The request's own rules: its lines, the verbs it must carry, the open-with case and the type key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// A request carries at least this many lines: the last one read is the status line, line 7.
inline constexpr std::size_t kRequestLineCount = 8;

// The lines of a request, split at CR LF; numbered from 0. Reading a line the request does not
// have raises "subscript out of range".
class RequestLines {
 public:
  explicit RequestLines(std::string_view rsParams);
  std::string_view Line(std::size_t index) const;
  std::size_t Count() const { return lines_.size(); }
  std::string_view VerbLine() const { return Line(0); }
  std::string_view DocumentLine() const { return Line(2); }
  std::string_view StatusLine() const { return Line(7); }

 private:
  std::vector<std::string_view> lines_;
};

// Whether the verb line carries one of the request verbs "open", "new", "play".
bool HasRequestVerb(std::string_view verbLine);

// Whether the verb line asks for "Open With...": from its first "open" to the end, trailing
// blanks removed, it reads "openas" or "Open With...".
bool IsOpenWith(std::string_view verbLine);

// Whether the status line says the document has been launched already.
bool SaysLaunched(std::string_view statusLine);

// "." + extension, or "*" for the open-with case.
std::string TypeKey(std::string_view extension, bool openWith);

// Types the chooser never serves: programs and drivers.
bool IsExecutableTypeKey(std::string_view typeKey);

}  // namespace tavrel
