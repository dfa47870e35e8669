#pragma once
// The one reader of the registry: a value as it is stored (its type and its bytes), which the
// settings store, the colour settings and the shell's user folders each take as they need.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

enum class TRegistryReadResult {
  Found,
  Missing,     // the key or the value is not there
  Unreadable,  // the system refused to open the key or to read the value
};

struct TRegistryData {
  TRegistryReadResult Result = TRegistryReadResult::Missing;
  DWORD Type = REG_NONE;
  std::vector<BYTE> Bytes;
};

// The value name of key, or of its subkey subKey (opened read-only) when subKey is not null.
// A null key holds no value.
TRegistryData ReadRegistryValue(HKEY key, const wchar_t* subKey, const std::wstring& name);

// A REG_DWORD of 4 bytes; nothing for any other value.
std::optional<DWORD> RegistryDword(const TRegistryData& data);

// A REG_SZ, or with expand also a REG_EXPAND_SZ with its environment variables expanded, up to
// its first NUL (the stored text need not end in one); nothing for any other value.
std::optional<std::wstring> RegistryText(const TRegistryData& data, bool expand = false);
