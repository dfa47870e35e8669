#pragma once
// An INI file read and written through the system's profile functions, one string at a time,
// each read and write under the file's lock (settings_file_lock.h).
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_backends.h"
#include "settings/win32/settings_file_lock.h"

class TProfileIniFile : public TIniFileBackend {
 public:
  explicit TProfileIniFile(std::wstring fileName) : FFileName(std::move(fileName)), FLock(FFileName) {}
  std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                          const std::wstring& defaultValue) override;
  bool WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value) override;
  std::optional<std::vector<std::wstring>> ReadSection(const std::wstring& section) override;

 private:
  std::wstring FFileName;
  TSettingsFileLock FLock;
};

// Attaches TProfileIniFile objects; the store's way to open its INI file.
TIniFileFactory ProfileIniFiles();
