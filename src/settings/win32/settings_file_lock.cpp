#include "settings/win32/settings_file_lock.h"

#include <vector>

#include "platform/debug_log.h"
#include "settings/settings_file_mutex.h"

namespace {

// Far longer than any one write of a settings file takes.
constexpr DWORD LongestWait = 10000;

std::wstring FullPath(const std::wstring& fileName) {
  const DWORD size = GetFullPathNameW(fileName.c_str(), 0, nullptr, nullptr);
  if (size == 0) return fileName;
  std::vector<wchar_t> buffer(size);
  const DWORD length = GetFullPathNameW(fileName.c_str(), size, buffer.data(), nullptr);
  return length > 0 && length < size ? std::wstring(buffer.data(), length) : fileName;
}

}  // namespace

TSettingsFileLock::TSettingsFileLock(const std::wstring& fileName)
    : FMutex(CreateMutexW(nullptr, FALSE, SettingsFileMutexName(FullPath(fileName)).c_str())) {
  if (!FMutex) Log(L"No lock for the settings file " + fileName + L": error " + std::to_wstring(GetLastError()));
}

TMutexOwnership TSettingsFileLock::Hold() const {
  if (!FMutex) return TMutexOwnership();
  const DWORD result = WaitForSingleObject(FMutex.Get(), LongestWait);
  // An owner that ended without giving the mutex back has left it to this thread.
  if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) return TMutexOwnership(FMutex.Get());
  Log(L"The settings file's lock was not free after " + std::to_wstring(LongestWait) + L" ms");
  return TMutexOwnership();
}
