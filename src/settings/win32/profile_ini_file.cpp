#include "settings/win32/profile_ini_file.h"

#include <windows.h>

#include <memory>

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

TIniFileFactory ProfileIniFiles() {
  return [](const std::wstring& fileName) -> std::unique_ptr<TIniFileBackend> {
    return std::make_unique<TProfileIniFile>(fileName);
  };
}
