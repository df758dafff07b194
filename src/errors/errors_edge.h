// The operating-system services of the error subsystem: the message box and beep, and the
// system's error texts. The logic of the subsystem reaches the system only through these two
// interfaces, which each thread is given along with its trail of failures: the server gives the
// platform's own, a test gives fakes.
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

// The two edges a thread's failures are reported through.
struct ErrorEdges {
  MessageBoxEdge& box;
  SystemTextEdge& texts;
};

// The platform's own edges: Win32 in the Windows build; elsewhere the silent ones.
ErrorEdges PlatformEdges() noexcept;

// Edges that show nothing (every box answers OK), do not beep and know no texts or errors.
ErrorEdges SilentEdges() noexcept;

// While it lives, the failures of the thread that made it are shown and described through the
// given edges; the edges given before are back once it ends. The server reports through the
// platform's edges from its entry on; a thread that was given none reports through the silent
// ones, so that no test program can leave a box up that nobody will answer.
class ReportThrough {
 public:
  explicit ReportThrough(const ErrorEdges& edges) noexcept;
  ~ReportThrough();
  ReportThrough(const ReportThrough&) = delete;
  ReportThrough& operator=(const ReportThrough&) = delete;

 private:
  const ErrorEdges* previous_;
  ErrorEdges edges_;
};

// The edges this thread reports through now.
MessageBoxEdge& BoxEdge() noexcept;
SystemTextEdge& TextEdge() noexcept;

}  // namespace tavrel
