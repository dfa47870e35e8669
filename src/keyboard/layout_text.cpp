#include "keyboard/layout_text.h"

#include <climits>

#include "platform/text_helpers.h"

namespace {

// Splits at CR LF, lone CR and lone LF.
std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring line;
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      lines.push_back(line);
      line.clear();
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else {
      line += c;
    }
  }
  lines.push_back(line);
  return lines;
}

wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// Compares with a lower-case ASCII word, ignoring the letter case of `s`.
bool EqualsIgnoringCase(const std::wstring& s, const wchar_t* lowerWord) {
  size_t i = 0;
  for (; i < s.size(); ++i) {
    if (lowerWord[i] == L'\0' || AsciiLower(s[i]) != lowerWord[i]) return false;
  }
  return lowerWord[i] == L'\0';
}

// The key code named by `name`: 1..255 in plain decimal (no sign, blanks or leading zeros); else 0.
int KeyCodeOfName(const std::wstring& name) {
  if (name.empty() || name.size() > 3 || name[0] == L'0') return 0;
  int code = 0;
  for (wchar_t c : name) {
    if (c < L'0' || c > L'9') return 0;
    code = code * 10 + (c - L'0');
  }
  return code <= 255 ? code : 0;
}

// Decimal integer with an optional leading minus sign, nothing else; must fit an int.
bool ReadInteger(const std::wstring& s, int& value) {
  size_t i = 0;
  const bool negative = !s.empty() && s[0] == L'-';
  if (negative) i = 1;
  if (i == s.size()) return false;
  long long magnitude = 0;
  for (; i < s.size(); ++i) {
    const wchar_t c = s[i];
    if (c < L'0' || c > L'9') return false;
    magnitude = magnitude * 10 + (c - L'0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
  }
  const long long v = negative ? -magnitude : magnitude;
  if (v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

// A coordinate, height or width: an integer of at most LayoutMaxCoordinate in magnitude, so that
// scaling and drawing a layout can never leave the integer range.
bool ReadCoordinate(const std::wstring& s, int& value) {
  int v = 0;
  if (!ReadInteger(s, v) || v < -LayoutMaxCoordinate || v > LayoutMaxCoordinate) return false;
  value = v;
  return true;
}

bool StartsWith(const std::wstring& s, const wchar_t* prefix) {
  return s.compare(0, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

// Reads one key's point list; false when an item is not a valid point or there are too many.
bool ReadPointList(const std::wstring& value, TLayoutPoints& points) {
  std::wstring rest = value + L";";
  if (rest == L";") return true;
  while (!rest.empty()) {
    const std::wstring item = TextBefore(rest, L";");
    rest = TextAfter(rest, L";");
    if (StartsWith(item, L"pic:") || StartsWith(item, L"pictr:")) continue;
    TPoint p;
    if (!ReadCoordinate(TextBefore(item, L","), p.x) || !ReadCoordinate(TextAfter(item, L","), p.y)) return false;
    if (static_cast<int>(points.size()) == LayoutMaxPoints) return false;
    points.push_back(p);
  }
  return true;
}

// Height or width: the default when the line is missing or its value is empty.
bool ReadSize(const std::wstring* value, int defaultValue, int& size) {
  if (value == nullptr || value->empty()) {
    size = defaultValue;
    return true;
  }
  return ReadCoordinate(*value, size);
}

}  // namespace

TLayoutDescription ParseLayoutText(const std::wstring& text) {
  // Of several lines with the same name only the first one counts, so one pass collects the
  // first value of every meaningful name.
  std::wstring heightValue, widthValue;
  bool hasHeight = false, hasWidth = false;
  std::array<std::wstring, 256> keyValues;
  std::array<bool, 256> hasKey{};
  for (const std::wstring& line : SplitLines(text)) {
    if (line.find(L'=') == std::wstring::npos) continue;
    const std::wstring name = TextBefore(line, L"=");
    if (!hasHeight && EqualsIgnoringCase(name, L"height")) {
      hasHeight = true;
      heightValue = TextAfter(line, L"=");
    } else if (!hasWidth && EqualsIgnoringCase(name, L"width")) {
      hasWidth = true;
      widthValue = TextAfter(line, L"=");
    } else if (const int code = KeyCodeOfName(name); code != 0 && !hasKey[code]) {
      hasKey[code] = true;
      keyValues[code] = TextAfter(line, L"=");
    }
  }

  TLayoutDescription result;
  if (!ReadSize(hasHeight ? &heightValue : nullptr, LayoutDefaultHeight, result.Height) ||
      !ReadSize(hasWidth ? &widthValue : nullptr, LayoutDefaultWidth, result.Width)) {
    return result;
  }
  result.SizeRead = true;
  for (int code = 1; code <= 255; ++code) {
    if (!ReadPointList(keyValues[code], result.Points[code])) {
      result.Points[code].clear();
      return result;
    }
    result.KeysRead = code;
  }
  return result;
}

int CountKeyLines(const std::wstring& text) {
  int count = 0;
  for (const std::wstring& line : SplitLines(text)) {
    if (line.find(L'=') != std::wstring::npos && KeyCodeOfName(TextBefore(line, L"=")) != 0) ++count;
  }
  return count;
}
