#include "settings/win32/profile_ini_file.h"

#include <windows.h>

#include <memory>
#include <vector>

std::wstring TProfileIniFile::ReadString(const std::wstring& section, const std::wstring& name,
                                         const std::wstring& defaultValue) {
  wchar_t buffer[2048];
  const TMutexOwnership held = FLock.Hold();
  const DWORD n = GetPrivateProfileStringW(section.c_str(), name.c_str(), defaultValue.c_str(), buffer,
                                           static_cast<DWORD>(sizeof(buffer) / sizeof(buffer[0])), FFileName.c_str());
  return std::wstring(buffer, n);
}

bool TProfileIniFile::WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value) {
  const TMutexOwnership held = FLock.Hold();
  return WritePrivateProfileStringW(section.c_str(), name.c_str(), value.c_str(), FFileName.c_str()) != FALSE;
}

std::optional<std::vector<std::wstring>> TProfileIniFile::ReadSection(const std::wstring& section) {
  // The system answers with the lines that fit, each ending in a null and the list in a second
  // one, and a count two short of the buffer when they did not all fit.
  constexpr DWORD LargestBuffer = 1 << 20;
  std::vector<wchar_t> buffer(8192);
  const TMutexOwnership held = FLock.Hold();
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD n = GetPrivateProfileSectionW(section.c_str(), buffer.data(), size, FFileName.c_str());
    if (n + 2 < size) {
      std::vector<std::wstring> lines;
      for (DWORD start = 0; start < n;) {
        const std::wstring line(buffer.data() + start);
        lines.push_back(line);
        start += static_cast<DWORD>(line.size()) + 1;
      }
      return lines;
    }
    if (size >= LargestBuffer) return std::nullopt;
    buffer.assign(static_cast<std::size_t>(size) * 2, L'\0');
  }
}

TIniFileFactory ProfileIniFiles() {
  return [](const std::wstring& fileName) -> std::unique_ptr<TIniFileBackend> {
    return std::make_unique<TProfileIniFile>(fileName);
  };
}
