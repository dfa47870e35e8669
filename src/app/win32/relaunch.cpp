#include "app/win32/relaunch.h"

#include <windows.h>

#include <vector>

#include "app/compat_layer.h"

namespace {
std::wstring ReadEnvironment(const wchar_t* name) {
  std::vector<wchar_t> buffer(1024, L'\0');
  const DWORD n = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n == 0 || n >= buffer.size()) return {};  // absent, empty, or longer than the buffer
  return std::wstring(buffer.data(), n);
}
}  // namespace

bool NeedsRelaunch() {
  const bool relaunched = GetEnvironmentVariableW(kRelaunchedVariable, nullptr, 0) != 0;
  if (relaunched) SetEnvironmentVariableW(kRelaunchedVariable, nullptr);
  return ShouldRelaunch(ReadEnvironment(kCompatLayerVariable), relaunched);
}

void RelaunchWithoutCompatLayer() {
  SetEnvironmentVariableW(kCompatLayerVariable, nullptr);
  SetEnvironmentVariableW(kRelaunchedVariable, L"1");
  std::wstring commandLine = RelaunchCommandLine(GetCommandLineW());
  std::vector<wchar_t> buffer(4096, L'\0');
  commandLine.copy(buffer.data(), commandLine.size());
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
}
