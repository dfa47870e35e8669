#pragma once
// Read-only access to 32-bit values of the current user's registry, for the Windows colour
// settings the colour schemes follow.
#include <cstdint>
#include <optional>
#include <string>

class TRegistryReader {
 public:
  virtual ~TRegistryReader() = default;
  // The REG_DWORD value valueName of key keyPath under HKEY_CURRENT_USER, opened read-only;
  // nothing when the key or the value is missing, of another type, or unreadable.
  virtual std::optional<std::uint32_t> ReadCurrentUserDword(const std::wstring& keyPath,
                                                            const std::wstring& valueName) const = 0;
};
