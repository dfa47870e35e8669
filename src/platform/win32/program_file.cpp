#include "platform/win32/program_file.h"

#include <windows.h>

#include "platform/command_line.h"
#include "platform/version_resource.h"
#include "platform/version_text.h"

std::vector<std::wstring> CommandLineArgs() { return SplitCommandLine(GetCommandLineW()); }

std::wstring ProgramFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() {
  const std::wstring file = ProgramFileName();
  const auto slash = file.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : file.substr(0, slash);
}

std::wstring ModuleVersionValue(HMODULE module, const std::wstring& valueName) {
  // The resource is in the module's mapped image already: no file is opened, no library loaded.
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16) /* RT_VERSION */);
  if (!found) return {};
  const HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return VersionResourceString(static_cast<const std::uint8_t*>(data), SizeofResource(module, found), L"040904E4",
                               valueName);
}

std::wstring GetAppVersion() {
  return VersionTextFrom(ModuleVersionValue(nullptr, L"FileVersion"), ModuleVersionValue(nullptr, L"ProductVersion"));
}
