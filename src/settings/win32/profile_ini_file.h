#pragma once
// An INI file read and written through the system's profile functions, one string at a time.
#include <string>
#include <utility>

#include "settings/settings_backends.h"

class TProfileIniFile : public TIniFileBackend {
 public:
  explicit TProfileIniFile(std::wstring fileName) : FFileName(std::move(fileName)) {}
  std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                          const std::wstring& defaultValue) override;
  bool WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value) override;

 private:
  std::wstring FFileName;
};

// Attaches TProfileIniFile objects; the store's way to open its INI file.
TIniFileFactory ProfileIniFiles();
