// The system's keyboard services under the English (United States) layout, and the program's key
// legends built on them.
#include "keyboard/win32/keyboard_services_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "keyboard/lang_chars.h"
#include "keyboard/lang_chars_fill.h"
#include "keyboard/lv_keyboard.h"
#include "keyboard/win32/key_legends_win32.h"
#include "keys/vk_classes.h"
#include "render/win32/gdi_canvas.h"

namespace {

struct TUsCharCase {
  const char* Name;
  std::uint8_t Code;
  bool Shift, AltGr, Ctrl, Caps;
  const wchar_t* Expected;
  friend void PrintTo(const TUsCharCase& c, std::ostream* os) { *os << c.Name; }
};

const TUsCharCase UsCharCases[] = {
    {"Letter", 65, false, false, false, false, L"a"},     {"LetterShift", 65, true, false, false, false, L"A"},
    {"LetterCaps", 65, false, false, false, true, L"A"},  {"LetterShiftCaps", 65, true, false, false, true, L"a"},
    {"LetterCtrl", 65, false, false, true, false, L""},   {"Digit", 49, false, false, false, false, L"1"},
    {"DigitShift", 49, true, false, false, false, L"!"},  {"DigitCaps", 49, false, false, false, true, L"1"},
    {"Semicolon", 186, false, false, false, false, L";"}, {"SemicolonShift", 186, true, false, false, false, L":"},
    {"Quote", 222, false, false, false, false, L"'"},     {"QuoteShift", 222, true, false, false, false, L"\""},
    {"Z", 90, false, false, false, false, L"z"},          {"Grave", 192, false, false, false, false, L"`"},
    {"GraveShift", 192, true, false, false, false, L"~"}, {"MinusShiftCaps", 189, true, false, false, true, L"_"},
    {"Space", 32, false, false, false, false, L""},       {"SpaceShift", 32, true, false, false, false, L""},
};

// The English (United States) table, filled once for all cases.
const TLangChars& UsTable() {
  static const std::unique_ptr<TLangChars> table = [] {
    auto t = std::make_unique<TLangChars>();
    t->Hkl = UsEnglishHkl;
    TWin32KeyboardServices services;
    FillLangChars(*t, services);
    return t;
  }();
  return *table;
}

class UsEnglishTableTest : public ::testing::TestWithParam<TUsCharCase> {};

TEST_P(UsEnglishTableTest, HoldsTheCharacterOfTheCombination) {
  const TUsCharCase& c = GetParam();
  EXPECT_EQ(UsTable().Chars[c.Code][c.Shift][c.AltGr][c.Ctrl][c.Caps], c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, UsEnglishTableTest, ::testing::ValuesIn(UsCharCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(UsEnglishTable, HasNoAltGrCharacters) { EXPECT_FALSE(UsTable().HasAltGr); }

// The fill translates a key a second time only after a dead key; with the system's translation
// its table must be that of two translations (GetKeyChars) for every key and combination.
TEST(UsEnglishTable, EqualsTheTableOfTwoTranslationsPerCombination) {
  TWin32KeyboardServices services;
  for (const THkl hkl : services.GetKeyboardLayoutList(8)) {
    auto twice = std::make_unique<TLangChars>();
    auto once = std::make_unique<TLangChars>();
    twice->Hkl = once->Hkl = hkl;
    for (int c = 1; c <= 255; ++c) {
      const auto code = static_cast<std::uint8_t>(c);
      if (!IsCharacterVk(code)) continue;
      for (int combo = 0; combo < 16; ++combo) {
        const bool shift = combo & 1, altGr = combo & 2, ctrl = combo & 4, caps = combo & 8;
        std::wstring text = GetKeyChars(services, code, ModifierState(shift, altGr, ctrl, caps), hkl);
        if (altGr && !text.empty()) twice->HasAltGr = true;
        twice->Chars[code][shift][altGr][ctrl][caps] = std::move(text);
      }
    }
    FillLangChars(*once, services);
    EXPECT_TRUE(twice->Chars == once->Chars) << std::hex << hkl;
    EXPECT_EQ(twice->HasAltGr, once->HasAltGr) << std::hex << hkl;
  }
}

TEST(Win32KeyboardServices, MapsBetweenCodesAndScanCodes) {
  TWin32KeyboardServices services;
  EXPECT_EQ(services.MapVirtualKeyExW(65, MapVkVkToVsc, UsEnglishHkl), 0x1Eu);
  EXPECT_EQ(services.MapVirtualKeyExW(90, MapVkVkToVsc, UsEnglishHkl), 0x2Cu);
  EXPECT_EQ(services.MapVirtualKeyExW(0x2C, MapVkVscToVkEx, UsEnglishHkl), 90u);
  EXPECT_EQ(services.MapVirtualKeyExW(0x2A, MapVkVscToVkEx, UsEnglishHkl), 160u);  // left Shift
}

TEST(Win32KeyboardServices, LoadsAndListsTheEnglishLayout) {
  TWin32KeyboardServices services;
  const THkl loaded = services.LoadKeyboardLayoutW(L"04090409", 0);
  EXPECT_EQ(loaded, UsEnglishHkl);
  const std::vector<THkl> list = services.GetKeyboardLayoutList(30);
  EXPECT_NE(std::find(list.begin(), list.end(), UsEnglishHkl), list.end());
  EXPECT_TRUE(services.GetKeyboardLayoutList(0).empty());
}

TEST(Win32KeyboardServices, ForegroundLanguageIsAnInstalledLayout) {
  TWin32KeyboardServices services;
  const THkl foreground = services.GetForegroundKeyboardLayout();
  EXPECT_NE(foreground >> 16, 0u);
  const std::vector<THkl> list = services.GetKeyboardLayoutList(30);
  EXPECT_NE(std::find(list.begin(), list.end(), foreground), list.end());
}

TEST(Win32KeyboardServices, KeyboardStateAgreesWithKeyState) {
  TWin32KeyboardServices services;
  TKeyboardState state{};
  state.fill(0xAA);
  ASSERT_TRUE(services.GetKeyboardState(state));
  EXPECT_EQ(state[20] & 0x01, services.GetKeyState(20) & 0x01);
  EXPECT_EQ(state[65] & 0x80, 0);  // nobody holds A
}

// Key injection that does nothing: these tests press no keys.
class TNoKeyInjector : public TKeyInjector {
 public:
  void SendKeyEvent(std::uint16_t, bool, bool) override {}
};

TEST(Win32KeyLegends, KeyboardShowsTheEnglishLegendsAndNames) {
  TGdiSurface paintBox;
  paintBox.SetSize(441, 181);
  TGdiSurfaceFactory surfaces;
  TWin32KeyboardServices services;
  TNoKeyInjector injector;
  TProcessKeyboardDesktop desktop([] { return 96; });
  TWin32KeyLegends legends;

  TLvKeyboard keyboard(paintBox, surfaces, services, injector, desktop, &legends);
  keyboard.FillKeyNames();
  ASSERT_TRUE(keyboard.LoadLayout(1));
  keyboard.SetHkl(UsEnglishHkl);

  ASSERT_GE(keyboard.LangIndex(), 0);
  ASSERT_LT(static_cast<std::size_t>(keyboard.LangIndex()), LangCharsList.size());
  EXPECT_EQ(LangCharsList[keyboard.LangIndex()].Hkl, UsEnglishHkl);
  EXPECT_EQ(keyboard.GetLegend(65), L"a");
  keyboard.SetKeyStateByte(16, 0x81);
  keyboard.SetKeyStateByte(160, 0x81);
  EXPECT_EQ(keyboard.GetLegend(49), L"!");
  keyboard.SetKeyStateByte(16, 0);
  keyboard.SetKeyStateByte(160, 0);
  keyboard.SetKeyStateByte(165, 0x81);
  keyboard.SetKeyStateByte(18, 0x81);
  EXPECT_EQ(keyboard.GetLegend(69), L"e");  // no AltGr character: the plain one
  EXPECT_EQ(keyboard.KeyName(165), L"Alt");
  EXPECT_EQ(keyboard.KeyName(160), L"Shift");

  // A second switch to the same language reuses its table.
  const std::size_t tables = LangCharsList.size();
  keyboard.SetHkl(0x04070407);
  EXPECT_EQ(keyboard.KeyName(160), L"Umschalt");
  keyboard.SetHkl(UsEnglishHkl);
  EXPECT_EQ(LangCharsList.size(), tables + 1);
  EXPECT_EQ(keyboard.KeyName(160), L"Shift");
  EXPECT_EQ(LangCharsList[keyboard.LangIndex()].Hkl, UsEnglishHkl);
}

}  // namespace
