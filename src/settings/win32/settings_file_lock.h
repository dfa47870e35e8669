#pragma once
// The lock every copy of the program takes around its writes of one settings file, and the reads
// those writes rest on: a named kernel mutex derived from the file's full path
// (SettingsFileMutexName). The system's profile functions rewrite the whole file for each value,
// so two copies writing at once would otherwise drop each other's keys.
#include <windows.h>

#include <string>

#include "platform/win32/win32_handles.h"

class TSettingsFileLock {
 public:
  explicit TSettingsFileLock(const std::wstring& fileName);

  // Waits for the mutex and holds it while the result lives. When the mutex could not be made or
  // another copy holds it too long, the debug log says so and the caller goes on unlocked: a
  // setting is not given up for want of the lock.
  TMutexOwnership Hold() const;

 private:
  TKernelHandle FMutex;
};
