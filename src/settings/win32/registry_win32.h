#pragma once
// The settings key in the Windows registry, through the advapi32 registry functions.
#include <windows.h>

#include <memory>

#include "platform/win32/win32_handles.h"
#include "settings/settings_backends.h"

// Key paths are absolute from the root, with or without a leading backslash.
class TWin32Registry : public TRegistryBackend {
 public:
  bool CreateKey(TRegistryRoot root, const std::wstring& path) override;
  bool OpenKey(TRegistryRoot root, const std::wstring& path, TRegistryRights rights) override;
  TRegistryValue ReadDword(const std::wstring& name) override;
  bool WriteDword(const std::wstring& name, std::uint32_t value) override;
  std::optional<std::wstring> ReadText(const std::wstring& name) override;
  bool WriteText(const std::wstring& name, const std::wstring& value) override;

 private:
  TRegKey FKey;
};

REGSAM RegistryAccessMask(TRegistryRights rights);
