#include "platform/win32/program_file.h"

#include <windows.h>

#include "platform/command_line.h"
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

std::wstring GetVersionValue(const std::wstring& fileName, const std::wstring& valueName) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
  if (size == 0) return {};
  std::vector<BYTE> buffer(size, 0);  // freed on every path by the vector
  if (!GetFileVersionInfoW(fileName.c_str(), 0, size, buffer.data())) return {};
  const std::wstring query = L"\\StringFileInfo\\040904E4\\" + valueName;
  LPVOID value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(buffer.data(), query.c_str(), &value, &length) || !value || length == 0) return {};
  return std::wstring(static_cast<const wchar_t*>(value));
}

std::wstring GetAppVersion() {
  const std::wstring file = ProgramFileName();
  return VersionTextFrom(GetVersionValue(file, L"FileVersion"), GetVersionValue(file, L"ProductVersion"));
}
