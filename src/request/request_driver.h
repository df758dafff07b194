// One request of the automation method: decides whether the caller carries on (1) or the request
// has been handled (0), showing the chooser and starting the program picked.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "request/request_services.h"
#include "request/request_trace.h"

namespace tavrel {

constexpr std::int32_t kNotHandled = 1;  // the caller carries on with its own handling
constexpr std::int32_t kHandled = 0;

// Serves the requests of one server process through the services it is given.
class RequestDriver {
 public:
  explicit RequestDriver(const RequestServices& services) : services_(services) {}

  // Serves one request and records in trace what it decided and why. Never throws; a failure
  // anywhere, and a request that is not valid UTF-16, ends the request with kNotHandled. A call
  // that arrives while another request is in progress on this thread (the chooser and the shell
  // pump messages) uses up an armed ignore marker, gets kNotHandled at once and leaves the first
  // request alone.
  std::int32_t Serve(std::u16string_view rsParams, RequestTrace& trace) noexcept;

 private:
  // What the phases of one request learn, each filling its part for the next.
  struct Request {
    SearchFolders folders;
    std::string verb;
    std::string document;
    std::string shortDocument;  // what a started program receives
    std::string typeKey;
    ChoiceData data;
    std::size_t pickedLine = 0;  // in the added programs' list
    std::int32_t position = 0;   // the 1-based row picked
  };
  // A phase's ending: the request's answer, or none when the next phase carries on.
  using Ending = std::optional<std::int32_t>;

  // The phases, in order: a request whose turn an ignore marker ends is not admitted; its lines
  // are read and checked, then the user's choices; the type's default program is started at
  // once; otherwise the user chooses among the rows, and the program picked is launched.
  std::int32_t ServeOne(std::string_view rsParams, RequestTrace& trace);
  Ending Admit(Request& request, RequestTrace& trace);
  Ending ReadLines(std::string_view rsParams, Request& request, RequestTrace& trace);
  void ReadChoices(Request& request, RequestTrace& trace);
  Ending StartDefault(const Request& request, RequestTrace& trace);
  Ending Choose(Request& request, RequestTrace& trace);
  std::int32_t Launch(const Request& request, RequestTrace& trace);

  RequestServices services_;
  bool inProgress_ = false;
};

}  // namespace tavrel
