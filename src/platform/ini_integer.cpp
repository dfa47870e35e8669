#include "platform/ini_integer.h"

#include <cstdint>

namespace {

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::optional<int> ParseHex(const std::wstring& digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const wchar_t c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

std::optional<int> ParseDecimal(const std::wstring& text) {
  const bool negative = !text.empty() && text[0] == L'-';
  const std::wstring digits = negative ? text.substr(1) : text;
  if (digits.empty()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

std::optional<int> ParseIniInteger(const std::wstring& text) {
  if (text.size() >= 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) return ParseHex(text.substr(2));
  if (!text.empty() && text[0] == L'$') return ParseHex(text.substr(1));
  return ParseDecimal(text);
}
