#include "app/win32/relaunch.h"

#include <windows.h>

#include <vector>

#include "app/compat_layer.h"
#include "platform/win32/environment.h"

bool NeedsRelaunch() {
  const bool relaunched = EnvironmentVariableSet(RelaunchedVariable);
  if (relaunched) SetEnvironmentVariableW(RelaunchedVariable, nullptr);
  return ShouldRelaunch(EnvironmentVariable(CompatLayerVariable), relaunched);
}

void RelaunchWithoutCompatLayer() {
  SetEnvironmentVariableW(CompatLayerVariable, nullptr);
  SetEnvironmentVariableW(RelaunchedVariable, L"1");
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
