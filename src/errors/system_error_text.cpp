#include "errors/system_error_text.h"

#include "errors/errors_edge.h"
#include "errors/reporting.h"

namespace tavrel {
namespace {

// The message table that holds the texts of number's range, if any.
const char* ExtraTable(std::int32_t number) {
  if (number >= 12000 && number <= 12171) return "wininet.dll";
  if (number >= 2100 && number <= 2999 && TextEdge().IsNtFamily()) return "netmsg.dll";
  return nullptr;
}

}  // namespace

std::string GetSystemErrorText(std::int32_t number) {
  CallDepthScope depth;
  std::string text = TextEdge().SystemMessage(number, ExtraTable(number));
  if (text.empty()) text = "Error (" + std::to_string(number) + ") not defined.";
  return text;
}

}  // namespace tavrel
