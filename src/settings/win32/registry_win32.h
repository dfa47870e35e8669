#pragma once
// The settings key in the Windows registry, through the advapi32 registry functions.
#include <windows.h>

#include <memory>

#include "settings/settings_backends.h"

// Owns one open registry key handle and closes it.
class TRegKey {
 public:
  TRegKey() = default;
  explicit TRegKey(HKEY key) : FKey(key) {}
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;
  ~TRegKey() { Reset(); }
  HKEY Get() const { return FKey; }
  void Reset(HKEY key = nullptr) {
    if (FKey) RegCloseKey(FKey);
    FKey = key;
  }

 private:
  HKEY FKey = nullptr;
};

// Key paths are absolute from the root, with or without a leading backslash.
class TWin32Registry : public TRegistryBackend {
 public:
  bool CreateKey(TRegistryRoot root, const std::wstring& path) override;
  bool OpenKey(TRegistryRoot root, const std::wstring& path, TRegistryRights rights) override;
  TRegistryValue ReadDword(const std::wstring& name) override;
  bool WriteDword(const std::wstring& name, std::uint32_t value) override;

 private:
  TRegKey FKey;
};

REGSAM RegistryAccessMask(TRegistryRights rights);
