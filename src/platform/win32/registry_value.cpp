#include "platform/win32/registry_value.h"

#include <algorithm>

#include "platform/win32/win32_handles.h"

namespace {

TRegistryReadResult FailureOf(LONG result) {
  return result == ERROR_FILE_NOT_FOUND ? TRegistryReadResult::Missing : TRegistryReadResult::Unreadable;
}

}  // namespace

TRegistryData ReadRegistryValue(HKEY key, const wchar_t* subKey, const std::wstring& name) {
  TRegistryData data;
  if (!key) return data;
  TRegKey opened;
  if (subKey) {
    const LONG result = RegOpenKeyExW(key, subKey, 0, KEY_READ, opened.Receive());
    if (result != ERROR_SUCCESS) return {FailureOf(result), REG_NONE, {}};
    key = opened.Get();
  }
  // The value may grow between asking its size and reading it: then it is asked again.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, name.c_str(), nullptr, &data.Type, nullptr, &size);
    if (result != ERROR_SUCCESS) return {FailureOf(result), REG_NONE, {}};
    data.Bytes.resize(size);
    result = RegQueryValueExW(key, name.c_str(), nullptr, &data.Type, data.Bytes.data(), &size);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) return {FailureOf(result), REG_NONE, {}};
    data.Bytes.resize(size);
    data.Result = TRegistryReadResult::Found;
    return data;
  }
  return {TRegistryReadResult::Unreadable, REG_NONE, {}};
}

std::optional<DWORD> RegistryDword(const TRegistryData& data) {
  if (data.Result != TRegistryReadResult::Found || data.Type != REG_DWORD || data.Bytes.size() != sizeof(DWORD))
    return std::nullopt;
  DWORD value = 0;
  std::copy(data.Bytes.begin(), data.Bytes.end(), reinterpret_cast<BYTE*>(&value));
  return value;
}

std::optional<std::wstring> RegistryText(const TRegistryData& data, bool expand) {
  if (data.Result != TRegistryReadResult::Found) return std::nullopt;
  if (data.Type != REG_SZ && !(expand && data.Type == REG_EXPAND_SZ)) return std::nullopt;
  std::wstring text(data.Bytes.size() / sizeof(wchar_t), L'\0');
  std::copy(data.Bytes.begin(), data.Bytes.begin() + text.size() * sizeof(wchar_t), reinterpret_cast<BYTE*>(&text[0]));
  const std::size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  if (data.Type == REG_SZ) return text;
  const DWORD length = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring expanded(length, L'\0');
  if (ExpandEnvironmentStringsW(text.c_str(), &expanded[0], length) != length) return std::nullopt;
  expanded.resize(length - 1);  // the count includes the NUL
  return expanded;
}
