// The requests of the server process, served with the system's services: the user's choice data
// (its catalogue kept across requests), the chooser window, the shell, the ignore markers of the
// program folder and the file queries, and the one driver that uses them.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace tavrel {

class SystemRequests {
 public:
  SystemRequests();
  ~SystemRequests();
  SystemRequests(const SystemRequests&) = delete;
  SystemRequests& operator=(const SystemRequests&) = delete;

  // Serves one request and publishes its trace line. Never throws.
  std::int32_t Serve(std::string_view rsParams) noexcept;

 private:
  struct Services;
  std::unique_ptr<Services> services_;
};

}  // namespace tavrel
