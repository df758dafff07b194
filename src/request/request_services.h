// What a request asks of the world around it, as small interfaces: the user's choice data, the
// chooser, the launcher, the ignore markers and a few file queries. The server passes the Windows
// implementations (request_services_win.cpp); tests pass their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/choice_data.h"
#include "data/ignore_marker.h"
#include "fileinfo/display_names.h"
#include "request/launch.h"
#include "ui/candidate.h"

namespace tavrel {

// The user's choice lists and the catalogue for one request, and why the package gave nothing.
class ChoiceSource {
 public:
  virtual ~ChoiceSource() = default;
  virtual ChoiceData Read() = 0;
};

// The chooser window as the request drives it.
class RequestChooser {
 public:
  virtual ~RequestChooser() = default;
  // Sets the caption; the window is created (hidden) when there is none yet.
  virtual void SetCaption(const std::string& caption) = 0;
  // The window's rows, which the request clears and fills.
  virtual CandidateList& Rows() = 0;
  // Sizes the window to its rows and centres it on the pointer; false when it cannot be fitted.
  virtual bool FitToList() = 0;
  // Forgets any earlier pick and shows the window, not modal.
  virtual void Show() = 0;
  // Lets window messages run until the window has gone. Returns the 1-based position of the row
  // the user picked; 0 or less when it went without a pick.
  virtual std::int32_t WaitForPick() = 0;
};

// Starting a program on the document through the shell.
class Launcher {
 public:
  virtual ~Launcher() = default;
  virtual LaunchResult Launch(const std::string& program, const std::string& document,
                              const std::string& verb, const SearchFolders& folders) = 0;
  // Tells the user why the program they picked did not start. Never throws.
  virtual void ReportFailedStart(const std::string& program,
                                 const LaunchResult& result) noexcept = 0;
};

// The one-shot marker that lets the request a launch of ours causes pass straight through.
class IgnoreMarkers {
 public:
  virtual ~IgnoreMarkers() = default;
  // True when the marker was armed; it is used up (consumed).
  virtual bool ConsumeIfArmed() = 0;
  // Arms the marker; returns the markers as they were.
  virtual IgnoreMarkerState Arm() = 0;
  // Puts the markers back as they were before Arm.
  virtual void Restore(const IgnoreMarkerState& before) = 0;
};

// The marker files of the server's program folder.
class ProgramFolderMarkers final : public IgnoreMarkers {
 public:
  bool ConsumeIfArmed() override { return CheckIgnoreMarker(); }
  IgnoreMarkerState Arm() override { return ArmIgnoreMarker(); }
  void Restore(const IgnoreMarkerState& before) override { RestoreIgnoreMarker(before); }
};

// The file queries of a request.
class RequestFiles {
 public:
  virtual ~RequestFiles() = default;
  // Called first in every request: the Windows and System folders and the Path, read afresh for
  // the program search of the file-type analysis.
  virtual SearchFolders ReadSearchFolders() = 0;
  // Attributes of an existing file or folder; nullopt when the path names nothing.
  virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
  // The short (8.3) form of an existing path; empty when it does not exist.
  virtual std::string ShortPath(const std::string& path) = 0;
  // The description of the program Windows associates with the document; none when there is none.
  virtual std::optional<ProgramDescription> DefaultProgram(const std::string& document) = 0;
};

struct RequestServices {
  ChoiceSource& choices;
  RequestChooser& chooser;
  Launcher& launcher;
  IgnoreMarkers& markers;
  RequestFiles& files;
};

}  // namespace tavrel
