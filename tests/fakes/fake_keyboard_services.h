#pragma once
// Keyboard services for tests: small tables of three input languages, English (United States)
// 0x04090409, German 0x04070407 and French 0x040C040C, with their scan codes (so QWERTZ and
// AZERTY placement can be shown), their characters under Shift, AltGr and Caps Lock, and their
// dead keys.
//
// Simplifications against the system: Ctrl alone turns the letters A..Z into control characters
// and gives nothing on other keys (Space stays a space); Alt alone changes nothing; Shift with
// AltGr gives nothing. Scan code -> virtual-key returns the first table entry of that scan code,
// so left Shift/Ctrl/Alt are listed before their right and generic forms.
//
// To add a language or a character: add a TFakeLayout (or a TFakeKey to one) in
// FakeLayoutTables(); nothing else needs to change.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "keys/keyboard_services.h"

constexpr THkl GermanHkl = 0x04070407;
constexpr THkl FrenchHkl = 0x040C040C;

// What one key produces in one modifier state.
struct TFakeChar {
  std::wstring Text;  // empty: nothing
  bool Dead = false;  // a dead key: stores Text[0] as the pending accent
};

inline TFakeChar Ch(const wchar_t* text) { return TFakeChar{text, false}; }
inline TFakeChar DeadCh(const wchar_t* accent) { return TFakeChar{accent, true}; }

struct TFakeKey {
  TFakeKey() = default;
  TFakeKey(std::uint8_t vk, std::uint16_t scan, TFakeChar normal = {}, TFakeChar shift = {}, TFakeChar altGr = {},
           bool capsAsShift = false)
      : Vk(vk),
        Scan(scan),
        Normal(std::move(normal)),
        Shift(std::move(shift)),
        AltGr(std::move(altGr)),
        CapsAsShift(capsAsShift) {}

  std::uint8_t Vk = 0;
  std::uint16_t Scan = 0;
  TFakeChar Normal;
  TFakeChar Shift;
  TFakeChar AltGr;
  bool CapsAsShift = false;  // Caps Lock selects the shifted character (letters)
};

struct TFakeLayout {
  THkl Hkl = 0;
  std::vector<TFakeKey> Keys;

  const TFakeKey* ByVk(unsigned vk) const {
    for (const auto& k : Keys)
      if (k.Vk == vk) return &k;
    return nullptr;
  }
  const TFakeKey* ByScan(unsigned scan) const {
    for (const auto& k : Keys)
      if (k.Scan == scan) return &k;
    return nullptr;
  }
  // Sets (or adds) the characters of one key; scan 0 keeps an existing key's scan code.
  void Set(const TFakeKey& key) {
    for (auto& k : Keys)
      if (k.Vk == key.Vk) {
        const std::uint16_t scan = key.Scan ? key.Scan : k.Scan;
        k = key;
        k.Scan = scan;
        return;
      }
    Keys.push_back(key);
  }
};

namespace fake_keyboard_detail {

// Keys that are the same in the three languages: modifiers first (see the header comment), then
// the other non-character keys, Space and the numeric pad.
inline void AddCommonKeys(TFakeLayout& l, const wchar_t* decimal) {
  const std::pair<std::uint8_t, std::uint16_t> plain[] = {
      {160, 0x2A}, {161, 0x36}, {162, 0x1D}, {164, 0x38}, {16, 0x2A}, {17, 0x1D}, {18, 0x38},
      {163, 0x1D}, {165, 0x38}, {27, 0x01},  {8, 0x0E},   {9, 0x0F},  {13, 0x1C}, {20, 0x3A},
      {144, 0x45}, {145, 0x46}, {91, 0x5B},  {92, 0x5C},  {93, 0x5D},
  };
  for (const auto& p : plain) l.Keys.push_back({p.first, p.second, {}, {}, {}, false});
  for (int i = 0; i < 10; ++i)
    l.Keys.push_back({static_cast<std::uint8_t>(112 + i), static_cast<std::uint16_t>(0x3B + i)});
  l.Keys.push_back({122, 0x57});
  l.Keys.push_back({123, 0x58});
  l.Keys.push_back({32, 0x39, Ch(L" "), Ch(L" "), {}, false});
  const std::uint16_t padScans[10] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};
  for (int i = 0; i < 10; ++i) {
    const wchar_t digit[2] = {static_cast<wchar_t>(L'0' + i), 0};
    l.Keys.push_back({static_cast<std::uint8_t>(96 + i), padScans[i], Ch(digit), {}, {}, false});
  }
  l.Keys.push_back({106, 0x37, Ch(L"*"), Ch(L"*"), {}, false});
  l.Keys.push_back({107, 0x4E, Ch(L"+"), Ch(L"+"), {}, false});
  l.Keys.push_back({109, 0x4A, Ch(L"-"), Ch(L"-"), {}, false});
  l.Keys.push_back({110, 0x53, Ch(decimal), {}, {}, false});
  l.Keys.push_back({111, 0x35, Ch(L"/"), Ch(L"/"), {}, false});
}

// One row of letters starting at a scan code; lower case, Shift and Caps Lock upper case.
inline void AddLetterRow(TFakeLayout& l, std::uint16_t firstScan, const wchar_t* letters) {
  for (int i = 0; letters[i]; ++i) {
    const wchar_t upper[2] = {letters[i], 0};
    const wchar_t lower[2] = {static_cast<wchar_t>(letters[i] - L'A' + L'a'), 0};
    l.Keys.push_back({static_cast<std::uint8_t>(letters[i]),
                      static_cast<std::uint16_t>(firstScan + i),
                      Ch(lower),
                      Ch(upper),
                      {},
                      true});
  }
}

inline TFakeLayout UsEnglish() {
  TFakeLayout l{UsEnglishHkl, {}};
  AddLetterRow(l, 0x10, L"QWERTYUIOP");
  AddLetterRow(l, 0x1E, L"ASDFGHJKL");
  AddLetterRow(l, 0x2C, L"ZXCVBNM");
  const TFakeKey keys[] = {
      {49, 0x02, Ch(L"1"), Ch(L"!")},   {50, 0x03, Ch(L"2"), Ch(L"@")},  {51, 0x04, Ch(L"3"), Ch(L"#")},
      {52, 0x05, Ch(L"4"), Ch(L"$")},   {53, 0x06, Ch(L"5"), Ch(L"%")},  {54, 0x07, Ch(L"6"), Ch(L"^")},
      {55, 0x08, Ch(L"7"), Ch(L"&")},   {56, 0x09, Ch(L"8"), Ch(L"*")},  {57, 0x0A, Ch(L"9"), Ch(L"(")},
      {48, 0x0B, Ch(L"0"), Ch(L")")},   {189, 0x0C, Ch(L"-"), Ch(L"_")}, {187, 0x0D, Ch(L"="), Ch(L"+")},
      {219, 0x1A, Ch(L"["), Ch(L"{")},  {221, 0x1B, Ch(L"]"), Ch(L"}")}, {186, 0x27, Ch(L";"), Ch(L":")},
      {222, 0x28, Ch(L"'"), Ch(L"\"")}, {192, 0x29, Ch(L"`"), Ch(L"~")}, {220, 0x2B, Ch(L"\\"), Ch(L"|")},
      {188, 0x33, Ch(L","), Ch(L"<")},  {190, 0x34, Ch(L"."), Ch(L">")}, {191, 0x35, Ch(L"/"), Ch(L"?")},
      {226, 0x56, Ch(L"\\"), Ch(L"|")},
  };
  l.Keys.insert(l.Keys.end(), std::begin(keys), std::end(keys));
  AddCommonKeys(l, L".");
  return l;
}

inline TFakeLayout German() {
  TFakeLayout l{GermanHkl, {}};
  AddLetterRow(l, 0x10, L"QWERTZUIOP");
  AddLetterRow(l, 0x1E, L"ASDFGHJKL");
  AddLetterRow(l, 0x2C, L"YXCVBNM");
  l.Set({81, 0, Ch(L"q"), Ch(L"Q"), Ch(L"@"), true});
  l.Set({69, 0, Ch(L"e"), Ch(L"E"), Ch(L"\u20AC"), true});
  l.Set({77, 0, Ch(L"m"), Ch(L"M"), Ch(L"\u00B5"), true});
  const TFakeKey keys[] = {
      {49, 0x02, Ch(L"1"), Ch(L"!")},
      {50, 0x03, Ch(L"2"), Ch(L"\""), Ch(L"\u00B2")},
      {51, 0x04, Ch(L"3"), Ch(L"\u00A7"), Ch(L"\u00B3")},
      {52, 0x05, Ch(L"4"), Ch(L"$")},
      {53, 0x06, Ch(L"5"), Ch(L"%")},
      {54, 0x07, Ch(L"6"), Ch(L"&")},
      {55, 0x08, Ch(L"7"), Ch(L"/"), Ch(L"{")},
      {56, 0x09, Ch(L"8"), Ch(L"("), Ch(L"[")},
      {57, 0x0A, Ch(L"9"), Ch(L")"), Ch(L"]")},
      {48, 0x0B, Ch(L"0"), Ch(L"="), Ch(L"}")},
      {219, 0x0C, Ch(L"\u00DF"), Ch(L"?"), Ch(L"\\")},
      {221, 0x0D, DeadCh(L"\u00B4"), DeadCh(L"`")},
      {186, 0x1A, Ch(L"\u00FC"), Ch(L"\u00DC"), {}, true},
      {187, 0x1B, Ch(L"+"), Ch(L"*"), Ch(L"~")},
      {192, 0x27, Ch(L"\u00F6"), Ch(L"\u00D6"), {}, true},
      {222, 0x28, Ch(L"\u00E4"), Ch(L"\u00C4"), {}, true},
      {220, 0x29, DeadCh(L"^"), Ch(L"\u00B0")},
      {191, 0x2B, Ch(L"#"), Ch(L"'")},
      {188, 0x33, Ch(L","), Ch(L";")},
      {190, 0x34, Ch(L"."), Ch(L":")},
      {189, 0x35, Ch(L"-"), Ch(L"_")},
      {226, 0x56, Ch(L"<"), Ch(L">"), Ch(L"|")},
  };
  l.Keys.insert(l.Keys.end(), std::begin(keys), std::end(keys));
  AddCommonKeys(l, L",");
  return l;
}

inline TFakeLayout French() {
  TFakeLayout l{FrenchHkl, {}};
  AddLetterRow(l, 0x10, L"AZERTYUIOP");
  AddLetterRow(l, 0x1E, L"QSDFGHJKLM");
  AddLetterRow(l, 0x2C, L"WXCVBN");
  l.Set({69, 0, Ch(L"e"), Ch(L"E"), Ch(L"\u20AC"), true});
  const TFakeKey keys[] = {
      {49, 0x02, Ch(L"&"), Ch(L"1"), {}, true},
      {50, 0x03, Ch(L"\u00E9"), Ch(L"2"), DeadCh(L"~"), true},
      {51, 0x04, Ch(L"\""), Ch(L"3"), Ch(L"#"), true},
      {52, 0x05, Ch(L"'"), Ch(L"4"), Ch(L"{"), true},
      {53, 0x06, Ch(L"("), Ch(L"5"), Ch(L"["), true},
      {54, 0x07, Ch(L"-"), Ch(L"6"), Ch(L"|"), true},
      {55, 0x08, Ch(L"\u00E8"), Ch(L"7"), DeadCh(L"`"), true},
      {56, 0x09, Ch(L"_"), Ch(L"8"), Ch(L"\\"), true},
      {57, 0x0A, Ch(L"\u00E7"), Ch(L"9"), Ch(L"^"), true},
      {48, 0x0B, Ch(L"\u00E0"), Ch(L"0"), Ch(L"@"), true},
      {219, 0x0C, Ch(L")"), Ch(L"\u00B0"), Ch(L"]")},
      {187, 0x0D, Ch(L"="), Ch(L"+"), Ch(L"}")},
      {221, 0x1A, DeadCh(L"^"), DeadCh(L"\u00A8")},
      {186, 0x1B, Ch(L"$"), Ch(L"\u00A3"), Ch(L"\u00A4")},
      {192, 0x28, Ch(L"\u00F9"), Ch(L"%")},
      {222, 0x29, Ch(L"\u00B2")},
      {220, 0x2B, Ch(L"*"), Ch(L"\u00B5")},
      {188, 0x32, Ch(L","), Ch(L"?")},
      {190, 0x33, Ch(L";"), Ch(L".")},
      {191, 0x34, Ch(L":"), Ch(L"/")},
      {223, 0x35, Ch(L"!"), Ch(L"\u00A7")},
      {226, 0x56, Ch(L"<"), Ch(L">")},
  };
  l.Keys.insert(l.Keys.end(), std::begin(keys), std::end(keys));
  AddCommonKeys(l, L".");
  return l;
}

}  // namespace fake_keyboard_detail

inline std::vector<TFakeLayout> FakeLayoutTables() {
  return {fake_keyboard_detail::UsEnglish(), fake_keyboard_detail::German(), fake_keyboard_detail::French()};
}

class TFakeKeyboardServices : public TKeyboardServices {
 public:
  // Every language the fake knows; MapVirtualKeyExW and ToUnicodeEx answer for these.
  std::vector<TFakeLayout> Layouts = FakeLayoutTables();
  // What GetKeyboardLayoutList reports as installed.
  std::vector<THkl> Installed = {UsEnglishHkl};
  // Layout used for hkl 0 (the calling thread's active layout).
  THkl ThreadHkl = UsEnglishHkl;
  // The foreground window's input language.
  THkl ForegroundHkl = UsEnglishHkl;
  // The system's keyboard state (GetKeyboardState, GetKeyState).
  TKeyboardState SystemState{};
  // LoadKeyboardLayoutW fails (returns 0) when set.
  bool FailLoad = false;
  // Dead-key combinations: (accent, base) -> composed character.
  std::map<std::pair<wchar_t, wchar_t>, wchar_t> Compose = {
      {{L'\u00B4', L'e'}, L'\u00E9'}, {{L'`', L'a'}, L'\u00E0'}, {{L'^', L'e'}, L'\u00EA'}};

  // Call records.
  int ToUnicodeCalls = 0;
  int MapCalls = 0;
  std::vector<std::wstring> Loaded;
  std::vector<THkl> Unloaded;
  wchar_t PendingDead = 0;  // the dead-key state kept between ToUnicodeEx calls

  const TFakeLayout* Find(THkl hkl) const {
    if (hkl == 0) hkl = ThreadHkl;
    for (const auto& l : Layouts)
      if (l.Hkl == hkl) return &l;
    return nullptr;
  }
  TFakeLayout* Find(THkl hkl) {
    return const_cast<TFakeLayout*>(static_cast<const TFakeKeyboardServices*>(this)->Find(hkl));
  }

  // Sets a key's system state as GetKeyboardState reports it (0x80 down, 0x01 toggled).
  void SetSystemKey(int vk, std::uint8_t value) { SystemState[vk & 0xFF] = value; }

  int ToUnicodeEx(unsigned virtKey, unsigned /*scanCode*/, const TKeyboardState& s, wchar_t* buffer, int bufferSize,
                  unsigned /*flags*/, THkl hkl) override {
    ++ToUnicodeCalls;
    const TFakeLayout* layout = Find(hkl);
    const TFakeKey* key = layout ? layout->ByVk(virtKey) : nullptr;
    if (!key) return 0;
    const bool shift = ((s[16] | s[160] | s[161]) & 0x80) != 0;
    const bool ctrl = ((s[17] | s[162] | s[163]) & 0x80) != 0;
    const bool alt = ((s[18] | s[164] | s[165]) & 0x80) != 0;
    const bool caps = (s[20] & 0x01) != 0;

    TFakeChar out;
    if (ctrl && alt) {
      if (!shift) out = key->AltGr;
    } else if (ctrl) {
      if (virtKey >= 'A' && virtKey <= 'Z')
        out = TFakeChar{std::wstring(1, static_cast<wchar_t>(virtKey - 'A' + 1)), false};
      else if (virtKey == 32)
        out = key->Normal;
    } else {
      const bool useShift = shift != (caps && key->CapsAsShift);
      out = useShift ? key->Shift : key->Normal;
    }
    if (out.Text.empty()) return 0;

    const wchar_t c = out.Text[0];
    if (PendingDead != 0) {
      const wchar_t accent = PendingDead;
      PendingDead = 0;
      const auto composed = Compose.find({accent, c});
      if (composed != Compose.end()) return Write(buffer, bufferSize, std::wstring(1, composed->second));
      return Write(buffer, bufferSize, std::wstring{accent, c});
    }
    if (out.Dead) {
      PendingDead = c;
      if (bufferSize > 0) buffer[0] = c;
      return -1;
    }
    return Write(buffer, bufferSize, out.Text);
  }

  unsigned MapVirtualKeyExW(unsigned code, unsigned mapType, THkl hkl) override {
    ++MapCalls;
    const TFakeLayout* layout = Find(hkl);
    if (!layout) return 0;
    if (mapType == MapVkVkToVsc) {
      const TFakeKey* key = layout->ByVk(code);
      return key ? key->Scan : 0;
    }
    if (mapType == MapVkVscToVkEx) {
      const TFakeKey* key = code ? layout->ByScan(code) : nullptr;
      return key ? key->Vk : 0;
    }
    return 0;
  }

  std::vector<THkl> GetKeyboardLayoutList(int maxCount) override {
    std::vector<THkl> list = Installed;
    if (maxCount >= 0 && static_cast<int>(list.size()) > maxCount) list.resize(maxCount);
    return list;
  }

  THkl LoadKeyboardLayoutW(const std::wstring& layoutId, unsigned /*flags*/) override {
    Loaded.push_back(layoutId);
    if (FailLoad) return 0;
    const THkl hkl = static_cast<THkl>(std::stoul(layoutId, nullptr, 16));
    return Find(hkl) ? hkl : 0;
  }

  bool UnloadKeyboardLayout(THkl hkl) override {
    Unloaded.push_back(hkl);
    return true;
  }

  bool GetKeyboardState(TKeyboardState& state) override {
    state = SystemState;
    return true;
  }

  std::int16_t GetKeyState(int virtKey) override {
    const std::uint8_t b = SystemState[virtKey & 0xFF];
    return static_cast<std::int16_t>(((b & 0x80) ? 0xFF80 : 0) | (b & 0x01));
  }

  THkl GetForegroundKeyboardLayout() override { return ForegroundHkl; }

 private:
  static int Write(wchar_t* buffer, int bufferSize, const std::wstring& text) {
    const int n = std::min<int>(bufferSize, static_cast<int>(text.size()));
    for (int i = 0; i < n; ++i) buffer[i] = text[i];
    return n;
  }
};
