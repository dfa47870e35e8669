#include "settings/win32/registry_win32.h"

#include "platform/win32/registry_value.h"

namespace {

HKEY RootKey(TRegistryRoot root) {
  return root == TRegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::wstring RelativePath(const std::wstring& path) {
  return !path.empty() && path[0] == L'\\' ? path.substr(1) : path;
}

}  // namespace

REGSAM RegistryAccessMask(TRegistryRights rights) {
  switch (rights) {
    case TRegistryRights::AllAccess: return KEY_ALL_ACCESS;
    case TRegistryRights::Read: return KEY_READ;
    case TRegistryRights::QueryAndEnumerate: return STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;
    case TRegistryRights::QueryValue: break;
  }
  return KEY_QUERY_VALUE;
}

bool TWin32Registry::CreateKey(TRegistryRoot root, const std::wstring& path) {
  if (RegCreateKeyExW(RootKey(root), RelativePath(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, FKey.Receive(), nullptr) == ERROR_SUCCESS)
    return true;
  FKey.Release();  // whatever a failed call left there is no key to close
  return false;
}

bool TWin32Registry::OpenKey(TRegistryRoot root, const std::wstring& path, TRegistryRights rights) {
  if (RegOpenKeyExW(RootKey(root), RelativePath(path).c_str(), 0, RegistryAccessMask(rights), FKey.Receive()) ==
      ERROR_SUCCESS)
    return true;
  FKey.Release();  // whatever a failed call left there is no key to close
  return false;
}

TRegistryValue TWin32Registry::ReadDword(const std::wstring& name) {
  const TRegistryData data = ReadRegistryValue(FKey.Get(), nullptr, name);
  if (data.Result == TRegistryReadResult::Missing) return {};
  // A value longer than a REG_DWORD counts as unreadable, a shorter one of another type as wrong.
  if (data.Result == TRegistryReadResult::Unreadable || data.Bytes.size() > sizeof(DWORD))
    return {TRegistryValueStatus::Unreadable, 0};
  const std::optional<DWORD> value = RegistryDword(data);
  if (!value) return {TRegistryValueStatus::WrongType, 0};
  return {TRegistryValueStatus::Found, *value};
}

bool TWin32Registry::WriteDword(const std::wstring& name, std::uint32_t value) {
  const DWORD data = value;
  return FKey.Get() && RegSetValueExW(FKey.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                      sizeof(data)) == ERROR_SUCCESS;
}

std::optional<std::wstring> TWin32Registry::ReadText(const std::wstring& name) {
  return RegistryText(ReadRegistryValue(FKey.Get(), nullptr, name));
}

bool TWin32Registry::WriteText(const std::wstring& name, const std::wstring& value) {
  return FKey.Get() && RegSetValueExW(FKey.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}
