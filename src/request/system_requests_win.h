// The requests of the server process, served with the system's services: the user's choice data
// (its catalogue kept across requests), the chooser window, the shell, the ignore markers of the
// program folder and the file queries, and the one driver that uses them.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "request/request_services.h"

namespace tavrel {

// The system's file queries, as the server's requests make them.
class SystemFiles final : public RequestFiles {
 public:
  SearchFolders ReadSearchFolders() override;
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::string ShortPath(const std::string& path) override;
  std::optional<ProgramDescription> DefaultProgram(const std::string& document) override;
};

class SystemRequests {
 public:
  SystemRequests();
  ~SystemRequests();
  SystemRequests(const SystemRequests&) = delete;
  SystemRequests& operator=(const SystemRequests&) = delete;

  // Serves one request and publishes its trace line. Never throws.
  std::int32_t Serve(std::u16string_view rsParams) noexcept;

 private:
  struct Services;
  std::unique_ptr<Services> services_;
};

}  // namespace tavrel
