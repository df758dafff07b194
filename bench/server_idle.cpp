#include "server_idle.h"

#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "TavrelCommander.h"
#include "base/com_ptr.h"
#include "os/handles_win.h"

namespace tavrel::bench {
namespace {

std::set<DWORD> ServerProcesses() {
  std::set<DWORD> found;
  const SnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); snapshot && more;
       more = Process32Next(snapshot.get(), &entry))
    if (_stricmp(entry.szExeFile, "TavrelCommander.exe") == 0) found.insert(entry.th32ProcessID);
  return found;
}

// The modules of the process, by name, in load order.
std::string ModuleNames(HANDLE process, int& count) {
  HMODULE modules[512] = {};
  DWORD bytes = 0;
  if (!EnumProcessModulesEx(process, modules, sizeof modules, &bytes, LIST_MODULES_ALL)) return {};
  std::string names;
  count = static_cast<int>(std::min<DWORD>(bytes, sizeof modules) / sizeof(HMODULE));
  for (int m = 0; m < count; ++m) {
    char name[MAX_PATH] = {};
    GetModuleBaseNameA(process, modules[m], name, MAX_PATH);
    names += (m ? " " : "") + std::string(name);
  }
  return names;
}

}  // namespace

bool ServerIdleReport(int holdSeconds) {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return false;
  bool ok = false;
  {
    const std::set<DWORD> before = ServerProcesses();
    ComPtr<IUnknown> object;
    const HRESULT hr = CoCreateInstance(CLSID_TavrelCH1Exe, nullptr, CLSCTX_LOCAL_SERVER,
                                        IID_IUnknown, reinterpret_cast<void**>(object.put()));
    Sleep(500);  // the server settles after handing out its object
    std::set<DWORD> started = ServerProcesses();
    for (const DWORD id : before)
      started.erase(id);
    if (FAILED(hr) || started.size() != 1) {
      std::printf("server idle: FAILED: no server started (0x%08lx, %zu new processes)\n",
                  static_cast<unsigned long>(hr), started.size());
    } else {
      const KernelHandle process(
          OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, *started.begin()));
      int count = 0;
      const std::string names = process ? ModuleNames(process.get(), count) : std::string();
      ok = !names.empty();
      if (ok) {
        std::printf("server idle, one object held: process %lu, %d modules: %s\n", *started.begin(),
                    count, names.c_str());
      } else {
        std::printf("server idle: FAILED: its process could not be read\n");
      }
      std::fflush(stdout);
      if (ok) Sleep(static_cast<DWORD>(holdSeconds) * 1000);
    }
  }
  CoUninitialize();
  return ok;
}

}  // namespace tavrel::bench
