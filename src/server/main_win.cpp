// Entry point of the server. Process start does nothing but what the command line asks:
// serve activations (-Embedding), or register or unregister the server.
#include <windows.h>

#include <objbase.h>

#include <string_view>

#include "TavrelCommander.h"
#include "base/text.h"
#include "errors/errors_edge.h"
#include "server/automation_object_win.h"
#include "server/registration_win.h"
#include "server/server_lifetime_win.h"

namespace {

// A burst of simultaneous activations can start several servers; those no client ends up using
// leave after this long.
constexpr UINT kIdleGraceMilliseconds = 10'000;

// Serves clients until the last object and lock are gone.
int Serve() {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  tavrel::ServerModule module;
  tavrel::ClassFactory factory(module);
  if (FAILED(module.ServeClassObject(CLSID_TavrelCH1Exe, factory))) {
    CoUninitialize();
    return 1;
  }
  module.RunUntilUnused(kIdleGraceMilliseconds);
  // The process ends here with nothing left to flush. CoUninitialize is not called: it waits for
  // the marshalling stubs of the last call to wind down, and under Wine that wait can last for
  // ever, keeping a server alive that no client can reach any more.
  return 0;
}

int Register(bool add, tavrel::RegistrationScope scope) {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  const HRESULT hr = add ? tavrel::RegisterServer(scope) : tavrel::UnregisterServer(scope);
  CoUninitialize();
  return SUCCEEDED(hr) ? 0 : static_cast<int>(hr);
}
int Run(const char* commandLine) {
  using tavrel::RegistrationScope;
  using tavrel::text::EqualsNoCase;
  for (std::string_view word : tavrel::text::Split(commandLine ? commandLine : "", " ")) {
    if (EqualsNoCase(word, "-Embedding") || EqualsNoCase(word, "/Embedding")) return Serve();
    if (EqualsNoCase(word, "/RegServer") || EqualsNoCase(word, "-RegServer"))
      return Register(true, RegistrationScope::Machine);
    if (EqualsNoCase(word, "/UnregServer") || EqualsNoCase(word, "-UnregServer"))
      return Register(false, RegistrationScope::Machine);
    if (EqualsNoCase(word, "/RegServerPerUser") || EqualsNoCase(word, "-RegServerPerUser"))
      return Register(true, RegistrationScope::User);
    if (EqualsNoCase(word, "/UnregServerPerUser") || EqualsNoCase(word, "-UnregServerPerUser"))
      return Register(false, RegistrationScope::User);
  }
  return 0;  // started by hand: the start procedure is empty
}

}  // namespace

// Nothing unwinds out of the process's entry: a failure that reached here ends it with 1. Its
// failures are shown to the user in the system's message boxes, with the system's texts.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const tavrel::ReportThrough reporting{tavrel::PlatformEdges()};
  try {
    return Run(commandLine);
  } catch (...) {
    return 1;
  }
}
