// The operating-system services of the error subsystem: the message box and beep, and the
// system's error texts. The logic of the subsystem reaches the system only through these two
// interfaces; each can be replaced for the whole process (tests show no real boxes), and a
// replacement is undone by installing nullptr, which restores the platform's own edge.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// Button answers of a message box.
namespace answer {
constexpr int kOk = 1;
constexpr int kYes = 6;
constexpr int kNo = 7;
}  // namespace answer

// Icon and button codes of a message box.
namespace boxstyle {
constexpr std::uint16_t kPlain = 0;      // no icon, OK
constexpr std::uint16_t kStop = 16;      // stop icon, OK
constexpr std::uint16_t kQuestion = 36;  // question icon, Yes and No
constexpr std::uint16_t kInfo = 64;      // information icon, OK
}  // namespace boxstyle

class MessageBoxEdge {
 public:
  virtual ~MessageBoxEdge() = default;
  // Shows a modal box with the icon and buttons of style and returns the button pressed.
  virtual int ShowBox(const std::string& caption, const std::string& text, std::uint16_t style) = 0;
  // The default beep.
  virtual void Beep() = 0;
};

class SystemTextEdge {
 public:
  virtual ~SystemTextEdge() = default;
  // The system's text for an error number, searching extraTable (a message-table module such as
  // "netmsg.dll", loaded as data only) before the system's own when it is given and loads;
  // empty when neither has a text.
  virtual std::string SystemMessage(std::int32_t number, const char* extraTable) = 0;
  // True on the Windows NT platform family.
  virtual bool IsNtFamily() = 0;
  // The calling thread's last platform error, read now.
  virtual std::int32_t LastError() = 0;
};

MessageBoxEdge& BoxEdge() noexcept;
SystemTextEdge& TextEdge() noexcept;

// Install an edge for the whole process; nullptr restores the platform's own. Returns the edge
// that was installed before (nullptr when that was the platform's own).
MessageBoxEdge* InstallEdge(MessageBoxEdge* edge) noexcept;
SystemTextEdge* InstallEdge(SystemTextEdge* edge) noexcept;

// The platform's own edges: Win32 in the Windows build; elsewhere an edge that shows nothing
// (answering OK) and knows no texts.
MessageBoxEdge& PlatformBoxEdge() noexcept;
SystemTextEdge& PlatformTextEdge() noexcept;

// Replaces an edge for its lifetime and puts the previous one back.
template <class Edge>
class ScopedEdge {
 public:
  explicit ScopedEdge(Edge& edge) noexcept : previous_(InstallEdge(&edge)) {}
  ~ScopedEdge() { InstallEdge(previous_); }
  ScopedEdge(const ScopedEdge&) = delete;
  ScopedEdge& operator=(const ScopedEdge&) = delete;

 private:
  Edge* previous_;
};

}  // namespace tavrel
