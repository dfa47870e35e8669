#include "settings/settings_file_mutex.h"

#include <cstdint>

namespace {

constexpr wchar_t Prefix[] = L"Orvilla.SettingsFile:";

// 64-bit FNV-1a over the UTF-16 code units.
std::uint64_t Hash(const std::wstring& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t c : text) {
    const auto unit = static_cast<std::uint16_t>(c);
    for (const std::uint8_t byte : {static_cast<std::uint8_t>(unit & 0xFF), static_cast<std::uint8_t>(unit >> 8)}) {
      hash ^= byte;
      hash *= 1099511628211ull;
    }
  }
  return hash;
}

}  // namespace

std::wstring SettingsFileMutexName(const std::wstring& fullPath) {
  std::wstring folded = fullPath;
  for (wchar_t& c : folded) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    if (c == L'\\') c = L'/';
  }
  std::wstring name = Prefix + folded;
  if (name.size() <= MaxKernelObjectName) return name;
  static const wchar_t Digits[] = L"0123456789ABCDEF";
  std::wstring hex(16, L'0');
  std::uint64_t hash = Hash(folded);
  for (int i = 15; i >= 0; --i, hash >>= 4) hex[static_cast<std::size_t>(i)] = Digits[hash & 0xF];
  return Prefix + hex;
}
