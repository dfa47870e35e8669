#include "keyboard/lang_chars_fill.h"

#include "keys/vk_classes.h"
#include "keys/vk_codes.h"

namespace {

constexpr std::uint8_t Down = 0x81;

// Removes every character not above U+0020 (blanks and control characters) from both ends.
std::wstring TrimControls(const std::wstring& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] <= L' ') ++first;
  while (last > first && text[last - 1] <= L' ') --last;
  return text.substr(first, last - first);
}

// The numeric keypad's digits, operators and decimal point.
bool IsKeypadVk(std::uint8_t code) { return code >= VkNumpad0 && code <= VkDivide; }

}  // namespace

TKeyTranslation TranslateKey(TKeyboardServices& services, std::uint8_t code, const TKeyboardState& keyState, THkl hkl) {
  if (IsKeypadVk(code) && !(keyState[VkNumLock] & KeyStateToggled)) {
    // The keypad's keys show what they type with Num Lock on: some systems (Wine) give them no
    // character while it is off.
    TKeyboardState withNumLock = keyState;
    withNumLock[VkNumLock] |= KeyStateToggled;
    return TranslateKey(services, code, withNumLock, hkl);
  }
  wchar_t buffer[2] = {L' ', L' '};
  const unsigned scanCode = services.MapVirtualKeyExW(code, MapVkVkToVsc, hkl);
  TKeyTranslation result;
  result.Count = services.ToUnicodeEx(code, scanCode, keyState, buffer, 2, 0, hkl);

  std::wstring& text = result.Text;
  if (result.Count == 1) {
    text = TrimControls(std::wstring(buffer, 2)).substr(0, 1);
  } else if (result.Count >= 2 && result.Count <= 255) {
    text = TrimControls(std::wstring(buffer, 2));
  }
  if (text.size() == 2 && text[0] == text[1]) text.resize(1);
  return result;
}

std::wstring KeyToText(TKeyboardServices& services, std::uint8_t code, const TKeyboardState& keyState, THkl hkl) {
  return TranslateKey(services, code, keyState, hkl).Text;
}

std::wstring GetKeyChars(TKeyboardServices& services, std::uint8_t code, const TKeyboardState& keyState, THkl hkl) {
  KeyToText(services, code, keyState, hkl);
  return KeyToText(services, code, keyState, hkl);
}

TKeyboardState ModifierState(bool shift, bool altGr, bool ctrl, bool caps) {
  TKeyboardState state{};
  state[20] = caps ? Down : 0;
  state[16] = state[160] = shift ? Down : 0;
  state[18] = state[165] = altGr ? Down : 0;
  state[17] = state[162] = (ctrl || altGr) ? Down : 0;
  return state;
}

namespace {

// The translations of one fill, in order. It follows whether the system may hold a dead key: a
// dead key is stored by its translation, cleared by any translation that yields a character, and
// kept by one that yields nothing. A key is translated a second time only when a dead key may be
// held before its first translation or is held after it.
class TFillTranslator {
 public:
  TFillTranslator(TKeyboardServices& services, THkl hkl) : FServices(services), FHkl(hkl) {}

  // What GetKeyChars gives for this key and state.
  std::wstring Translate(std::uint8_t code, const TKeyboardState& state) {
    const bool mayHoldBefore = FMayHoldDeadKey;
    TKeyTranslation first = Once(code, state);
    // From a clear state an ordinary key gives the same text again and leaves the state clear.
    if (!mayHoldBefore && first.Count >= 0) return std::move(first.Text);
    return Once(code, state).Text;
  }

 private:
  TKeyTranslation Once(std::uint8_t code, const TKeyboardState& state) {
    TKeyTranslation result = TranslateKey(FServices, code, state, FHkl);
    if (result.Count < 0) FMayHoldDeadKey = true;
    if (result.Count > 0) FMayHoldDeadKey = false;
    return result;
  }

  TKeyboardServices& FServices;
  THkl FHkl;
  // Before the first translation the state is whatever earlier translations left.
  bool FMayHoldDeadKey = true;
};

// The 12 distinct keyboard states in the order a whole fill takes them: AltGr with Ctrl is left
// out, it is filled with AltGr alone.
constexpr TLegendCombination FillOrder[] = {
    {false, false, false, false}, {false, false, true, false}, {false, true, false, false}, {true, false, false, false},
    {true, false, true, false},   {true, true, false, false},  {false, false, false, true}, {false, false, true, true},
    {false, true, false, true},   {true, false, false, true},  {true, false, true, true},   {true, true, false, true},
};

void FillCombination(TLangChars& table, TFillTranslator& translator, TLegendCombination combination,
                     const TLegendCodes& codes) {
  if (combination.AltGr) combination.Ctrl = false;
  TLegendCombination withCtrl = combination;
  withCtrl.Ctrl = true;
  const std::uint16_t bits = combination.AltGr ? combination.Bit() | withCtrl.Bit() : combination.Bit();
  const TKeyboardState state = ModifierState(combination.Shift, combination.AltGr, combination.Ctrl, combination.Caps);
  for (int c = 1; c <= 255; ++c) {
    const auto code = static_cast<std::uint8_t>(c);
    if (!codes[code] || !IsCharacterVk(code) || (table.Filled[code] & bits) == bits) continue;
    std::wstring text = translator.Translate(code, state);
    if (combination.AltGr && !text.empty()) table.HasAltGr = true;
    auto& entry = table.Chars[code][combination.Shift][combination.AltGr];
    if (combination.AltGr) entry[true][combination.Caps] = text;
    entry[combination.Ctrl][combination.Caps] = std::move(text);
    table.Filled[code] |= bits;
  }
}

bool CombinationComplete(const TLangChars& table, const TLegendCombination& combination) {
  return !LangCharsLack(table, combination, AllLegendCodes());
}

}  // namespace

bool LangCharsLack(const TLangChars& table, const TLegendCombination& combination, const TLegendCodes& codes) {
  for (int c = 1; c <= 255; ++c) {
    const auto code = static_cast<std::uint8_t>(c);
    if (codes[code] && IsCharacterVk(code) && !table.IsFilled(code, combination)) return true;
  }
  return false;
}

TLegendCodes AllLegendCodes() { return TLegendCodes().set(); }

void FillLangCharsCombination(TLangChars& table, TKeyboardServices& services, const TLegendCombination& combination,
                              const TLegendCodes& codes) {
  TFillTranslator translator(services, table.Hkl);
  FillCombination(table, translator, combination, codes);
}

void FillLangCharsCombination(TLangChars& table, TKeyboardServices& services, bool shift, bool altGr, bool ctrl,
                              bool caps) {
  FillLangCharsCombination(table, services, {shift, altGr, ctrl, caps});
}

void FillLangCharsAltGr(TLangChars& table, TKeyboardServices& services) {
  TFillTranslator translator(services, table.Hkl);
  for (const TLegendCombination& combination : FillOrder)
    if (combination.AltGr) FillCombination(table, translator, combination, AllLegendCodes());
}

bool LangCharsComplete(const TLangChars& table) {
  for (const TLegendCombination& combination : FillOrder)
    if (!CombinationComplete(table, combination)) return false;
  return true;
}

bool FillNextLangCharsCombination(TLangChars& table, TKeyboardServices& services) {
  for (const TLegendCombination& combination : FillOrder) {
    if (CombinationComplete(table, combination)) continue;
    FillLangCharsCombination(table, services, combination);
    return true;
  }
  return false;
}

void FillLangChars(TLangChars& table, TKeyboardServices& services) {
  TFillTranslator translator(services, table.Hkl);
  for (const TLegendCombination& combination : FillOrder)
    FillCombination(table, translator, combination, AllLegendCodes());
}
