#include "render/win32/win_registry_reader.h"

#include "platform/win32/registry_value.h"

std::optional<std::uint32_t> TWinRegistryReader::ReadCurrentUserDword(const std::wstring& keyPath,
                                                                      const std::wstring& valueName) const {
  const std::optional<DWORD> value = RegistryDword(ReadRegistryValue(HKEY_CURRENT_USER, keyPath.c_str(), valueName));
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}
