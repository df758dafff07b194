// A real automation client that binds to the dual interface's vtable (no IDispatch): creates the
// server's class out of process, sends one request and prints the result. Its arguments arrive in
// UTF-16 (wmain), so that any document name arrives whole.
// Usage: qxh1_client LINES VERB DOCUMENT STATUS   (LINES: how many request lines to send)
//        qxh1_client huge|binary|unicode          (a hostile request of that kind)
//        qxh1_client hold SECONDS                 (holds the object that long before a request
//                                                  the server passes straight back)
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "TavrelCommander.h"

namespace {

// Requests no shell would send: one line of 4 million characters; every UTF-16 code unit,
// NUL and lone surrogates included, spread over eight lines; a document named in characters
// outside the ANSI code page.
std::wstring HostileRequest(std::wstring_view kind) {
  if (kind == L"huge") return L"open " + std::wstring(4'000'000, L'x');
  std::wstring request;
  if (kind == L"binary") {
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
      request += static_cast<wchar_t>(unit);
      if (unit % 8192 == 8191) request += L"\r\n";
    }
    return L"open\r\n" + request;
  }
  return L"open\r\n\r\nC:\\\x6587\x6863\\\x0436\x0443\x0440.txt\r\n\r\n\r\n\r\n\r\nLaunched";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring request;
  DWORD holdMilliseconds = 0;
  if (argc == 3 && std::wstring_view(argv[1]) == L"hold") {
    holdMilliseconds = static_cast<DWORD>(std::wcstol(argv[2], nullptr, 10)) * 1000;
    request = L"open";
  } else if (argc == 2) {
    request = HostileRequest(argv[1]);
  } else if (argc == 5) {
    const long lines = std::wcstol(argv[1], nullptr, 10);
    const std::wstring fields[8] = {argv[2], L"", argv[3], L"", L"", L"", L"", argv[4]};
    for (long i = 0; i < lines; ++i) {
      if (i) request += L"\r\n";
      if (i < 8) request += fields[i];
    }
  } else {
    std::fprintf(stderr,
                 "usage: qxh1_client LINES VERB DOCUMENT STATUS | huge|binary|unicode | "
                 "hold SECONDS\n");
    return 2;
  }
  // Every line out at once: a test that has to end a client stuck in letting the server go (or in
  // leaving) still sees the request's result, and the time limit it noted tells where it hung.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  int exitCode = 0;
  _TavrelCH1Exe* server = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_TavrelCH1Exe, nullptr, CLSCTX_LOCAL_SERVER, IID__TavrelCH1Exe,
                                reinterpret_cast<void**>(&server));
  if (FAILED(hr)) {
    std::printf("CREATE FAILED 0x%08lx\n", static_cast<unsigned long>(hr));
    exitCode = 4;
  } else {
    Sleep(holdMilliseconds);
    BSTR text = SysAllocStringLen(request.data(), static_cast<UINT>(request.size()));
    LONG result = -99;
    hr = server->QXH1(text, &result);
    SysFreeString(text);
    std::printf("HRESULT=0x%08lx RESULT=%ld\n", static_cast<unsigned long>(hr), result);
    server->Release();
  }
  CoUninitialize();
  return exitCode;
}
