#include "render/win32/win_registry_reader.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"

std::optional<std::uint32_t> TWinRegistryReader::ReadCurrentUserDword(
    const std::wstring& keyPath, const std::wstring& valueName) const {
  TRegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.Receive()) !=
      ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_DWORD || size != sizeof(value)) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}
