// Key legends: the per-language legend tables, the fill lock shared with other running copies,
// the localised key names and the legends the keyboard control shows.
#include "keyboard/key_legends.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_canvas.h"
#include "fakes/fake_keyboard_desktop.h"
#include "fakes/fake_keyboard_services.h"
#include "fakes/fake_named_objects.h"
#include "fakes/recording_key_injector.h"
#include "keyboard/key_legend_names.h"
#include "keyboard/lang_chars.h"
#include "keyboard/lang_chars_fill.h"
#include "keyboard/lang_chars_fill_lock.h"
#include "keyboard/lv_keyboard.h"
#include "keys/vk_classes.h"

namespace {

constexpr THkl SwissGermanHkl = 0x08070807;
constexpr std::uint8_t Down = 0x81;

// A table of one language filled through the fake keyboard services.
TLangChars FilledTable(TKeyboardServices& services, THkl hkl) {
  TLangChars table;
  table.Hkl = hkl;
  FillLangChars(table, services);
  return table;
}

// ---------------------------------------------------------------------------------------------
// KeyToText: one translation into a two-character buffer.

// Keyboard services whose ToUnicodeEx writes a given text and returns a given count.
class TScriptedServices : public TKeyboardServices {
 public:
  int Result = 0;
  std::wstring Written;
  unsigned Scan = 0x1E;
  // What the last ToUnicodeEx call received.
  unsigned SeenVk = 0, SeenScan = 0, SeenFlags = 99;
  int SeenSize = 0;
  THkl SeenHkl = 0;
  TKeyboardState SeenState{};

  int ToUnicodeEx(unsigned virtKey, unsigned scanCode, const TKeyboardState& keyState, wchar_t* buffer, int bufferSize,
                  unsigned flags, THkl hkl) override {
    SeenVk = virtKey;
    SeenScan = scanCode;
    SeenState = keyState;
    SeenSize = bufferSize;
    SeenFlags = flags;
    SeenHkl = hkl;
    for (int i = 0; i < bufferSize && i < static_cast<int>(Written.size()); ++i) buffer[i] = Written[i];
    return Result;
  }
  unsigned MapVirtualKeyExW(unsigned code, unsigned mapType, THkl) override {
    return mapType == MapVkVkToVsc ? Scan : 0;
  }
  std::vector<THkl> GetKeyboardLayoutList(int) override { return {}; }
  THkl LoadKeyboardLayoutW(const std::wstring&, unsigned) override { return 0; }
  bool UnloadKeyboardLayout(THkl) override { return false; }
  bool GetKeyboardState(TKeyboardState&) override { return false; }
  std::int16_t GetKeyState(int) override { return 0; }
  THkl GetForegroundKeyboardLayout() override { return 0; }
};

struct TKeyToTextCase {
  const char* Name;
  friend void PrintTo(const TKeyToTextCase& c, std::ostream* os) { *os << c.Name; }
  int Result;
  const wchar_t* Written;
  const wchar_t* Expected;
};

const TKeyToTextCase KeyToTextCases[] = {
    {"OneCharacter", 1, L"a", L"a"},
    {"OneCharacterOfTwoWritten", 1, L"ab", L"a"},
    {"ControlCharacterIsRemoved", 1, L"\x01", L""},
    {"NothingWrittenLeavesBlanks", 1, L"", L""},
    {"TwoDifferentCharacters", 2, L"\u00B4a", L"\u00B4a"},
    {"TwoEqualCharactersBecomeOne", 2, L"\u00B4\u00B4", L"\u00B4"},
    {"LeadingBlankIsRemoved", 2, L" x", L"x"},
    {"TwoControlCharacters", 2, L"\r\n", L""},
    {"DeadKeyGivesNothing", -1, L"\u00B4", L""},
    {"ZeroGivesNothing", 0, L"a", L""},
    {"CountAbove255GivesNothing", 256, L"ab", L""},
};

class KeyToTextTest : public ::testing::TestWithParam<TKeyToTextCase> {};

TEST_P(KeyToTextTest, ReducesTheBufferToTheLegend) {
  const TKeyToTextCase& c = GetParam();
  TScriptedServices services;
  services.Result = c.Result;
  services.Written = c.Written;
  const TKeyboardState state = ModifierState(true, false, false, false);

  EXPECT_EQ(KeyToText(services, 65, state, GermanHkl), c.Expected);

  EXPECT_EQ(services.SeenVk, 65u);
  EXPECT_EQ(services.SeenScan, services.Scan);  // the scan code of the key in the same layout
  EXPECT_EQ(services.SeenSize, 2);
  EXPECT_EQ(services.SeenFlags, 0u);
  EXPECT_EQ(services.SeenHkl, GermanHkl);
  EXPECT_EQ(services.SeenState, state);
}

INSTANTIATE_TEST_SUITE_P(Results, KeyToTextTest, ::testing::ValuesIn(KeyToTextCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(KeyToText, TheKeypadsKeysAreTranslatedWithNumLockOn) {
  const TKeyboardState shift = ModifierState(true, false, false, false);
  for (const std::uint8_t code : {96, 103, 110, 111, 65, 144}) {
    TScriptedServices services;
    services.Result = 1;
    services.Written = L"x";
    KeyToText(services, code, shift, GermanHkl);
    TKeyboardState expected = shift;
    if (code >= 96 && code <= 111) expected[144] = 1;  // the keypad from VK_NUMPAD0 to VK_DIVIDE
    EXPECT_EQ(services.SeenState, expected) << int(code);
  }
}

TEST(ModifierState, SetsExactlyTheBytesOfEachModifier) {
  const std::map<int, std::uint8_t> expectedAltGrShiftCaps = {{16, Down}, {160, Down}, {17, Down}, {162, Down},
                                                              {18, Down}, {165, Down}, {20, Down}};
  const TKeyboardState state = ModifierState(true, true, false, true);
  for (int b = 0; b < 256; ++b) {
    const auto it = expectedAltGrShiftCaps.find(b);
    EXPECT_EQ(state[b], it == expectedAltGrShiftCaps.end() ? 0 : it->second) << b;
  }
  const TKeyboardState ctrl = ModifierState(false, false, true, false);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(ctrl[b], (b == 17 || b == 162) ? Down : 0) << b;
  EXPECT_EQ(ModifierState(false, false, false, false), TKeyboardState{});
}

// ---------------------------------------------------------------------------------------------
// The fill of a legend table.

struct TCharCase {
  const char* Name;
  friend void PrintTo(const TCharCase& c, std::ostream* os) { *os << c.Name; }
  THkl Hkl;
  std::uint8_t Code;
  bool Shift, AltGr, Ctrl, Caps;
  const wchar_t* Expected;
};

const TCharCase CharCases[] = {
    {"UsLetter", UsEnglishHkl, 65, false, false, false, false, L"a"},
    {"UsLetterShift", UsEnglishHkl, 65, true, false, false, false, L"A"},
    {"UsLetterCaps", UsEnglishHkl, 65, false, false, false, true, L"A"},
    {"UsLetterShiftCaps", UsEnglishHkl, 65, true, false, false, true, L"a"},
    {"UsDigit", UsEnglishHkl, 49, false, false, false, false, L"1"},
    {"UsDigitShift", UsEnglishHkl, 49, true, false, false, false, L"!"},
    {"UsDigitCaps", UsEnglishHkl, 49, false, false, false, true, L"1"},
    {"UsLetterAltGr", UsEnglishHkl, 69, false, true, false, false, L""},
    {"UsLetterCtrl", UsEnglishHkl, 65, false, false, true, false, L""},
    {"GermanDigitShift", GermanHkl, 49, true, false, false, false, L"!"},
    {"GermanQuoteShift", GermanHkl, 50, true, false, false, false, L"\""},
    {"GermanEuroOnE", GermanHkl, 69, false, true, false, false, L"\u20AC"},
    {"GermanEuroOnEWithCtrl", GermanHkl, 69, false, true, true, false, L"\u20AC"},
    {"GermanEuroOnEWithCaps", GermanHkl, 69, false, true, false, true, L"\u20AC"},
    {"GermanAtOnQ", GermanHkl, 81, false, true, false, false, L"@"},
    {"GermanAltGrShiftNothing", GermanHkl, 69, true, true, false, false, L""},
    {"GermanYOnY", GermanHkl, 89, false, false, false, false, L"y"},
    {"GermanZOnZ", GermanHkl, 90, true, false, false, false, L"Z"},
    {"GermanUmlautCaps", GermanHkl, 222, false, false, false, true, L"\u00C4"},
    {"GermanDeadAcute", GermanHkl, 221, false, false, false, false, L"\u00B4"},
    {"GermanDeadGraveShift", GermanHkl, 221, true, false, false, false, L"`"},
    {"GermanDeadAcuteCaps", GermanHkl, 221, false, false, false, true, L"\u00B4"},
    {"GermanDeadCircumflex", GermanHkl, 220, false, false, false, false, L"^"},
    {"GermanLetterCtrl", GermanHkl, 65, false, false, true, false, L""},
    {"GermanLetterCtrlShift", GermanHkl, 90, true, false, true, false, L""},
    {"FrenchDigitKey", FrenchHkl, 49, false, false, false, false, L"&"},
    {"FrenchDigitKeyShift", FrenchHkl, 49, true, false, false, false, L"1"},
    {"FrenchDigitKeyCaps", FrenchHkl, 49, false, false, false, true, L"1"},
    {"FrenchEuroOnE", FrenchHkl, 69, false, true, false, false, L"\u20AC"},
    {"FrenchDeadTildeAltGr", FrenchHkl, 50, false, true, false, false, L"~"},
    {"FrenchDeadCircumflex", FrenchHkl, 221, false, false, false, false, L"^"},
    {"FrenchDeadDiaeresisShift", FrenchHkl, 221, true, false, false, false, L"\u00A8"},
    {"FrenchLetterCtrl", FrenchHkl, 81, false, false, true, false, L""},
    {"NumPadDigit", GermanHkl, 101, false, false, false, false, L"5"},
    {"NumPadDecimal", GermanHkl, 110, false, false, false, false, L","},
};

class LangCharsFillTest : public ::testing::TestWithParam<TCharCase> {};

TEST_P(LangCharsFillTest, HoldsTheCharacterOfTheCombination) {
  const TCharCase& c = GetParam();
  TFakeKeyboardServices services;
  const TLangChars table = FilledTable(services, c.Hkl);
  EXPECT_EQ(table.Chars[c.Code][c.Shift][c.AltGr][c.Ctrl][c.Caps], c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Combinations, LangCharsFillTest, ::testing::ValuesIn(CharCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(LangCharsFill, HasAltGrOnlyWhereAnAltGrCombinationYieldsACharacter) {
  const std::pair<THkl, bool> cases[] = {{UsEnglishHkl, false}, {GermanHkl, true}, {FrenchHkl, true}};
  for (const auto& [hkl, hasAltGr] : cases) {
    TFakeKeyboardServices services;
    EXPECT_EQ(FilledTable(services, hkl).HasAltGr, hasAltGr) << std::hex << hkl;
  }
}

TEST(LangCharsFill, SpaceIsFilledButEmptyInEveryCombination) {
  TFakeKeyboardServices services;
  const TLangChars table = FilledTable(services, GermanHkl);
  for (int combo = 0; combo < 16; ++combo)
    EXPECT_EQ(table.Chars[32][combo & 1][(combo >> 1) & 1][(combo >> 2) & 1][(combo >> 3) & 1], L"") << combo;
}

TEST(LangCharsFill, AltGrWithAndWithoutCtrlAreEqualEverywhere) {
  for (const THkl hkl : {UsEnglishHkl, GermanHkl, FrenchHkl}) {
    TFakeKeyboardServices services;
    const TLangChars table = FilledTable(services, hkl);
    for (int code = 1; code <= 255; ++code)
      for (const bool shift : {false, true})
        for (const bool caps : {false, true})
          EXPECT_EQ(table.Chars[code][shift][true][false][caps], table.Chars[code][shift][true][true][caps])
              << std::hex << hkl << std::dec << " code " << code;
  }
}

// Fake services that remember which codes were translated.
class TCountingServices : public TFakeKeyboardServices {
 public:
  std::map<unsigned, int> CallsPerCode;
  int ToUnicodeEx(unsigned virtKey, unsigned scanCode, const TKeyboardState& s, wchar_t* buffer, int bufferSize,
                  unsigned flags, THkl hkl) override {
    ++CallsPerCode[virtKey];
    return TFakeKeyboardServices::ToUnicodeEx(virtKey, scanCode, s, buffer, bufferSize, flags, hkl);
  }
};

TEST(LangCharsFill, TranslatesEachCharacterKeyOncePerKeyboardStateAgainOnlyAfterADeadKeyAndNoOtherKey) {
  TCountingServices services;
  const TLangChars table = FilledTable(services, GermanHkl);

  // Twelve combinations are translated: AltGr with Ctrl is the keyboard state of AltGr alone.
  // German dead keys: 221 under no modifier and Shift, each with and without Caps Lock (4), and
  // 220 under no modifier with and without Caps Lock (2). Space, the first key translated, is
  // translated twice: the state earlier translations left is not known.
  const std::map<int, int> extra = {{221, 4}, {220, 2}, {32, 1}};
  EXPECT_EQ(services.ToUnicodeCalls, 77 * 12 + 7);
  for (int code = 1; code <= 255; ++code) {
    const bool character = IsCharacterVk(static_cast<std::uint8_t>(code));
    const int expected = character ? 12 + (extra.count(code) ? extra.at(code) : 0) : 0;
    EXPECT_EQ(services.CallsPerCode[code], expected) << code;
    if (!character) {  // entries of other keys stay empty
      for (const bool shift : {false, true}) EXPECT_EQ(table.Chars[code][shift][false][false][false], L"");
    }
  }
}

TEST(LangCharsFill, DeadKeysLeaveNoStateForTheNextKey) {
  TFakeKeyboardServices services;
  const TLangChars table = FilledTable(services, GermanHkl);
  EXPECT_EQ(services.PendingDead, 0);
  // 222 is translated right after the dead key 221: an accent left behind would combine with it.
  EXPECT_EQ(table.Chars[222][false][false][false][false], L"\u00E4");
  // And a translation after the fill starts clean.
  EXPECT_EQ(KeyToText(services, 65, TKeyboardState{}, GermanHkl), L"a");
}

// ---------------------------------------------------------------------------------------------
// The fill lock.

struct TFillLockCase {
  const char* Name;
  friend void PrintTo(const TFillLockCase& c, std::ostream* os) { *os << c.Name; }
  int ReleasedAfterWaits;  // when the other holder closes its handle; -1: never; 0: no holder
  bool FailCreate;
  bool ExpectHeld;
  int ExpectCreates;
};

const TFillLockCase FillLockCases[] = {
    {"FreeNameIsTakenAtOnce", 0, false, true, 1},
    {"WaitsUntilTheOtherHolderCloses", 3, false, true, 4},
    {"TakesTheNameOnTheLastAttempt", 24, false, true, 25},
    {"GoesAheadWithoutAfterTwentyFiveAttempts", -1, false, false, 25},
    {"GoesAheadWithoutWhenNoObjectCanBeCreated", 0, true, false, 25},
};

class FillLockTest : public ::testing::TestWithParam<TFillLockCase> {};

TEST_P(FillLockTest, TriesEveryTwentyMillisecondsAtMostTwentyFiveTimes) {
  const TFillLockCase& c = GetParam();
  TFakeNamedObjects objects;
  objects.FailCreate = c.FailCreate;
  std::unique_ptr<TNamedObjectHandle> other;
  if (c.ReleasedAfterWaits != 0) other = objects.HoldElsewhere(L"FillPrintCharsMutex");
  objects.OnSleep = [&](int waits) {
    if (waits == c.ReleasedAfterWaits) other.reset();
  };

  {
    TFillLock lock(objects);
    EXPECT_EQ(lock.Held(), c.ExpectHeld);
    EXPECT_EQ(objects.Creates, std::vector<std::wstring>(c.ExpectCreates, L"FillPrintCharsMutex"));
    const int expectWaits = c.ExpectHeld ? c.ExpectCreates - 1 : c.ExpectCreates;
    EXPECT_EQ(objects.Sleeps, std::vector<unsigned>(expectWaits, 20u));
    // Only the holder's own handle (and the other holder's, while it keeps it) stays open.
    EXPECT_EQ(objects.OpenHandles[L"FillPrintCharsMutex"], (c.ExpectHeld ? 1 : 0) + (other ? 1 : 0));
  }
  // Leaving the scope closes the handle: the name is gone unless the other holder keeps it.
  EXPECT_EQ(objects.Exists(L"FillPrintCharsMutex"), other != nullptr);
}

INSTANTIATE_TEST_SUITE_P(Holders, FillLockTest, ::testing::ValuesIn(FillLockCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(FillLock, ReleaseClosesTheHandleEarly) {
  TFakeNamedObjects objects;
  TFillLock lock(objects);
  ASSERT_TRUE(lock.Held());
  lock.Release();
  EXPECT_FALSE(lock.Held());
  EXPECT_FALSE(objects.Exists(L"FillPrintCharsMutex"));
}

// ---------------------------------------------------------------------------------------------
// Key names.

TEST(KeyLegendNames, LocalisesTheSeventeenNamesAndNoOther) {
  TKeyNames names;
  for (int code = 1; code <= 255; ++code) names[code] = L"#" + std::to_wstring(code);
  LocaliseKeyNames(names, GermanHkl, 0x0409);

  const std::map<int, std::wstring> german = {
      {27, L"Esc"},       {19, L"Pause"}, {20, L"Feststell"}, {33, L"Bild-auf"}, {34, L"Bild-ab"}, {35, L"Ende"},
      {36, L"Pos1"},      {44, L"Druck"}, {45, L"Einfg"},     {46, L"Entf"},     {145, L"Rollen"}, {160, L"Umschalt"},
      {161, L"Umschalt"}, {13, L"Enter"}, {162, L"Strg"},     {163, L"Strg"},    {165, L"Alt"}};
  for (int code = 1; code <= 255; ++code) {
    const auto it = german.find(code);
    EXPECT_EQ(names[code], it != german.end() ? it->second : L"#" + std::to_wstring(code)) << code;
  }
}

TEST(KeyLegendNames, RightAltIsNamedByAltGrAndLanguage) {
  struct Case {
    bool HasAltGr;
    THkl Hkl;
    const wchar_t* Expected;
  };
  const Case cases[] = {{false, GermanHkl, L"Alt"},  {true, GermanHkl, L"Alt Gr"},   {true, SwissGermanHkl, L"Alt Gr"},
                        {true, FrenchHkl, L"AltGr"}, {true, UsEnglishHkl, L"AltGr"}, {false, FrenchHkl, L"Alt"},
                        {true, 0xF0070409, L"AltGr"}};  // only the low 8 bits tell the language
  for (const Case& c : cases) {
    TKeyNames names;
    names[165] = L"before";
    UpdateAltGrName(names, c.HasAltGr, c.Hkl);
    EXPECT_EQ(names[165], c.Expected) << std::hex << c.Hkl << " " << c.HasAltGr;
  }
}

// ---------------------------------------------------------------------------------------------
// The legends of the keyboard control.

// Fake services that record, at each translation, whether the fill name exists.
class TLockWatchingServices : public TFakeKeyboardServices {
 public:
  explicit TLockWatchingServices(const TFakeNamedObjects& objects) : FObjects(objects) {}
  int TranslationsWithoutName = 0;
  int ToUnicodeEx(unsigned virtKey, unsigned scanCode, const TKeyboardState& s, wchar_t* buffer, int bufferSize,
                  unsigned flags, THkl hkl) override {
    if (!FObjects.Exists(L"FillPrintCharsMutex")) ++TranslationsWithoutName;
    return TFakeKeyboardServices::ToUnicodeEx(virtKey, scanCode, s, buffer, bufferSize, flags, hkl);
  }

 private:
  const TFakeNamedObjects& FObjects;
};

// A keyboard control with the real legends over the fake keyboard services of three languages.
struct TLegendsRig {
  FakeSurface paintBox;
  FakeSurfaceFactory surfaces;
  TFakeNamedObjects namedObjects;
  TLockWatchingServices services{namedObjects};
  TRecordingKeyInjector injector;
  TFakeKeyboardDesktop desktop;
  TLangCharsList list;
  std::uint16_t uiLang = 0x0409;
  TLangCharsLegends legends{list, namedObjects, [this] { return uiLang; }};
  std::unique_ptr<TLvKeyboard> keyboard;

  explicit TLegendsRig(THkl foreground = UsEnglishHkl) {
    services.ForegroundHkl = foreground;
    services.Layouts.push_back(services.Layouts[1]);  // Swiss German: the German characters
    services.Layouts.back().Hkl = SwissGermanHkl;
    paintBox.SetSize(882, 362);
    keyboard = std::make_unique<TLvKeyboard>(paintBox, surfaces, services, injector, desktop, &legends);
  }

  TLvKeyboard& Kb() { return *keyboard; }
  // Shows a layout as the main window does, with the default key names.
  void LoadActive() {
    keyboard->FillKeyNames();
    keyboard->LoadLayout(1);
    keyboard->SetActive(true);
  }
  const TLangChars& Current() { return list.at(keyboard->LangIndex()); }
};

TEST(KeyLegends, ConstructionPreparesTheForegroundLanguage) {
  TLegendsRig rig(GermanHkl);
  ASSERT_EQ(rig.list.size(), 1u);
  EXPECT_EQ(rig.list[0].Hkl, GermanHkl);
  EXPECT_EQ(rig.Kb().LangIndex(), 0);
  EXPECT_TRUE(rig.list[0].HasAltGr);
  EXPECT_EQ(rig.Kb().KeyName(160), L"Umschalt");
  EXPECT_EQ(rig.Kb().KeyName(165), L"Alt Gr");
}

struct TShownCase {
  const char* Name;
  friend void PrintTo(const TShownCase& c, std::ostream* os) { *os << c.Name; }
  THkl Hkl;
  std::vector<int> Latched;  // FKeyState bytes set to 0x81
  bool CapsOn;
  std::uint8_t Code;
  const wchar_t* Expected;
};

const TShownCase ShownCases[] = {
    {"NoModifier", GermanHkl, {}, false, 65, L"a"},
    {"ShiftOnDigit", GermanHkl, {160, 16}, false, 49, L"!"},
    {"RightShiftOnLetter", GermanHkl, {161, 16}, false, 65, L"A"},
    {"CapsLockOnLetter", GermanHkl, {}, true, 65, L"A"},
    {"CapsLockWithShift", GermanHkl, {160, 16}, true, 65, L"a"},
    {"RightAltShowsEuro", GermanHkl, {165, 18}, false, 69, L"\u20AC"},
    {"RightAltWithLeftCtrlShowsEuro", GermanHkl, {165, 18, 162, 17}, false, 69, L"\u20AC"},
    {"RightAltWithoutAltGrCharacterFallsBack", GermanHkl, {165, 18}, false, 65, L"a"},
    {"RightAltUnderEnglishFallsBack", UsEnglishHkl, {165, 18}, false, 69, L"e"},
    {"LeftAltDoesNotSelectAltGr", GermanHkl, {164, 18}, false, 69, L"e"},
    {"LeftCtrlAloneOnLetter", GermanHkl, {162, 17}, false, 65, L"a"},
    {"LeftCtrlAloneOnDigit", GermanHkl, {162, 17}, false, 49, L"1"},
    {"RightCtrlAloneOnLetter", GermanHkl, {163, 17}, false, 81, L"q"},
    {"DeadKeyShowsAcute", GermanHkl, {}, false, 221, L"\u00B4"},
    {"DeadKeyWithShiftShowsGrave", GermanHkl, {160, 16}, false, 221, L"`"},
    {"FrenchDigitKey", FrenchHkl, {}, false, 50, L"\u00E9"},
    {"FrenchDigitKeyWithShift", FrenchHkl, {160, 16}, false, 50, L"2"},
    {"SpaceHasNoLegend", GermanHkl, {160, 16}, false, 32, L""},
    {"NonCharacterKeyHasNoLegend", GermanHkl, {}, false, 13, L""},
};

class KeyLegendsShownTest : public ::testing::TestWithParam<TShownCase> {};

TEST_P(KeyLegendsShownTest, GetLegendFollowsFKeyState) {
  const TShownCase& c = GetParam();
  TLegendsRig rig(c.Hkl);
  for (const int b : c.Latched) rig.Kb().SetKeyStateByte(b, Down);
  if (c.CapsOn) rig.Kb().SetKeyStateByte(20, 1);
  const TKeyboardState before = rig.Kb().KeyState();

  EXPECT_EQ(rig.Kb().GetLegend(c.Code), c.Expected);
  EXPECT_EQ(rig.Kb().KeyState(), before);  // only read
}

INSTANTIATE_TEST_SUITE_P(States, KeyLegendsShownTest, ::testing::ValuesIn(ShownCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(KeyLegends, GetLegendForReadsWhatIsFilledAndGetLegendFillsWhatIsAsked) {
  TLegendsRig rig(GermanHkl);
  rig.LoadActive();
  rig.Kb().SetHkl(FrenchHkl);
  const std::int32_t french = rig.Kb().LangIndex();
  EXPECT_EQ(rig.legends.GetLegendFor(french, 50, false, false, false, false), L"\u00E9");  // shown
  EXPECT_EQ(rig.legends.GetLegendFor(french, 69, false, true, true, false), L"\u20AC");    // AltGr
  EXPECT_EQ(rig.legends.GetLegendFor(french, 49, true, false, false, false), L"");         // not yet
  TKeyboardState shift{};
  shift[16] = shift[160] = Down;
  EXPECT_EQ(rig.legends.GetLegend(french, shift, 49, rig.services), L"1");
  EXPECT_EQ(rig.legends.GetLegendFor(french, 49, true, false, false, false), L"1");
  EXPECT_EQ(rig.legends.GetLegendFor(french, 65, false, false, true, false), L"");
  // No such table: nothing rather than a stray read.
  EXPECT_EQ(rig.legends.GetLegendFor(5, 65, false, false, false, false), L"");
  EXPECT_EQ(rig.legends.GetLegend(5, shift, 65, rig.services), L"");
  EXPECT_FALSE(rig.legends.FillPendingLegends(5, rig.services));
}

// The legends drawn on the keyboard image while keys are latched.
TEST(KeyLegends, DrawnLegendsFollowLatchedModifiers) {
  struct Case {
    const char* Name;
    THkl Hkl;
    std::vector<int> Pressed;
    std::vector<std::wstring> Shown, NotShown;
  };
  const Case cases[] = {
      {"German", GermanHkl, {}, {L"a", L"\u00DF", L"\u00B4", L"y"}, {L"A", L"\u20AC"}},
      {"GermanShift", GermanHkl, {160}, {L"A", L"!", L"`"}, {L"a", L"1"}},
      {"GermanRightAlt", GermanHkl, {165}, {L"\u20AC", L"@", L"a"}, {L"e", L"q"}},
      {"GermanCtrlAlone", GermanHkl, {162}, {L"a", L"1"}, {L"A"}},
      {"GermanCtrlShift", GermanHkl, {162, 160}, {L"A", L"!"}, {L"a"}},
      {"EnglishRightAlt", UsEnglishHkl, {165}, {L"e", L"a"}, {L"\u20AC"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TLegendsRig rig(c.Hkl);
    rig.LoadActive();
    for (const int code : c.Pressed) rig.Kb().SetKeyPressed(code, true);
    auto& image = static_cast<FakeSurface&>(rig.Kb().Image()).Fake();
    image.ClearOps();
    rig.Kb().Redraw(false);
    std::set<std::wstring> texts;
    for (const FakeCanvasOp& op : image.Texts()) texts.insert(op.Text);
    for (const std::wstring& t : c.Shown) EXPECT_EQ(texts.count(t), 1u) << "missing " << t;
    for (const std::wstring& t : c.NotShown) EXPECT_EQ(texts.count(t), 0u) << "shown " << t;
  }
}

struct TNamesCase {
  const char* Name;
  friend void PrintTo(const TNamesCase& c, std::ostream* os) { *os << c.Name; }
  THkl Hkl;
  std::map<int, std::wstring> Expected;
};

const TNamesCase NamesCases[] = {
    {"English",
     UsEnglishHkl,
     {{160, L"Shift"}, {20, L"Caps"}, {165, L"Alt"}, {44, L"PrtScr"}, {162, L"Ctrl"}, {13, L"Enter"}}},
    {"German",
     GermanHkl,
     {{160, L"Umschalt"},
      {161, L"Umschalt"},
      {20, L"Feststell"},
      {165, L"Alt Gr"},
      {162, L"Strg"},
      {36, L"Pos1"},
      {44, L"Druck"},
      {13, L"Enter"}}},
    {"French",
     FrenchHkl,
     {{160, L"Maj"},
      {20, L"Verr Maj"},
      {165, L"AltGr"},
      {27, L"Echap"},
      {13, L"Entr\u00E9e"},
      {145, L"Arr\u00EAtD\u00E9fil"},
      {162, L"Ctrl"}}},
    {"SwissGerman", SwissGermanHkl, {{160, L"Umschalt"}, {20, L"Feststell"}, {165, L"Alt Gr"}, {46, L"Entf"}}},
};

class KeyLegendsNamesTest : public ::testing::TestWithParam<TNamesCase> {};

TEST_P(KeyLegendsNamesTest, KeysAreNamedInTheInputLanguage) {
  const TNamesCase& c = GetParam();
  TLegendsRig rig;
  rig.LoadActive();
  rig.Kb().SetHkl(c.Hkl);
  for (const auto& [code, name] : c.Expected) EXPECT_EQ(rig.Kb().KeyName(code), name) << code;
  EXPECT_EQ(rig.Kb().KeyName(8), L"Backsp");  // names outside the seventeen stay
}

INSTANTIATE_TEST_SUITE_P(Languages, KeyLegendsNamesTest, ::testing::ValuesIn(NamesCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(KeyLegends, NamesFollowEverySwitchAlsoBackToAKnownLanguage) {
  TLegendsRig rig;
  rig.LoadActive();
  const std::pair<THkl, std::vector<std::wstring>> steps[] = {
      // language, then the names of 160 and 165
      {GermanHkl, {L"Umschalt", L"Alt Gr"}}, {FrenchHkl, {L"Maj", L"AltGr"}}, {UsEnglishHkl, {L"Shift", L"Alt"}},
      {GermanHkl, {L"Umschalt", L"Alt Gr"}}, {FrenchHkl, {L"Maj", L"AltGr"}},
  };
  for (const auto& [hkl, names] : steps) {
    rig.Kb().SetHkl(hkl);
    EXPECT_EQ(rig.Kb().KeyName(160), names[0]) << std::hex << hkl;
    EXPECT_EQ(rig.Kb().KeyName(165), names[1]) << std::hex << hkl;
  }
}

TEST(KeyLegends, WithoutAnInputLanguageKeysAreNamedInTheUserInterfaceLanguage) {
  TLegendsRig rig(0);  // no foreground language: the handle stays 0
  rig.uiLang = 0x040C;
  rig.LoadActive();
  EXPECT_EQ(rig.Kb().Hkl(), 0u);
  EXPECT_EQ(rig.Kb().KeyName(160), L"Maj");
  ASSERT_EQ(rig.list.size(), 1u);
  EXPECT_EQ(rig.list[0].Hkl, 0u);
  // Handle 0 translates with the thread's layout (English in the fake).
  EXPECT_EQ(rig.Kb().GetLegend(65), L"a");
}

TEST(KeyLegends, YAndZSwapPlacesUnderGermanAndBackUnderEnglish) {
  TLegendsRig rig;
  rig.LoadActive();
  TLvBtn* y = rig.Kb().Key(89);
  TLvBtn* z = rig.Kb().Key(90);

  rig.Kb().SetHkl(GermanHkl);
  EXPECT_EQ(y->PlaceKey(), z);
  EXPECT_EQ(z->PlaceKey(), y);
  EXPECT_EQ(rig.Kb().GetLegend(89), L"y");  // drawn where English has Z
  EXPECT_EQ(rig.Kb().GetLegend(90), L"z");

  rig.Kb().SetHkl(UsEnglishHkl);
  EXPECT_EQ(y->PlaceKey(), y);
  EXPECT_EQ(z->PlaceKey(), z);
  EXPECT_EQ(rig.Kb().GetLegend(89), L"y");
}

TEST(KeyLegends, ANewLanguageFillsTheShownLegendsFirstAndTheRestWhenAskedOrIdleUnderTheLock) {
  TLegendsRig rig;  // English, no layout yet
  rig.LoadActive();
  const int englishCalls = rig.services.ToUnicodeCalls;
  rig.Kb().SetHkl(FrenchHkl);
  ASSERT_EQ(rig.list.size(), 2u);
  const TLangChars& french = rig.Current();
  // The picture's legends and the name of the right Alt key are there at once, from far fewer
  // translations than the whole table.
  EXPECT_TRUE(french.HasAltGr);
  EXPECT_EQ(rig.Kb().KeyName(165), L"AltGr");
  EXPECT_LT(rig.services.ToUnicodeCalls - englishCalls, 77 * 6);
  int shown = 0, hidden = 0;
  for (int code = 1; code <= 255; ++code) {
    if (!IsCharacterVk(static_cast<std::uint8_t>(code))) continue;
    const TLvBtn* key = rig.Kb().Key(static_cast<std::uint8_t>(code));
    const bool onScreen = key && key->Drawn();
    EXPECT_EQ(french.IsFilled(code, {}), onScreen) << code;
    EXPECT_FALSE(french.IsFilled(code, {true, false, false, false})) << code;
    ++(onScreen ? shown : hidden);
  }
  EXPECT_GT(shown, 40);
  EXPECT_GT(hidden, 0);
  EXPECT_EQ(rig.Kb().GetLegend(50), L"\u00E9");

  // A latched Shift draws the Shift legends, filled when first asked.
  rig.Kb().SetKeyPressed(160, true);
  EXPECT_EQ(rig.Kb().GetLegend(50), L"2");
  EXPECT_TRUE(french.IsFilled(49, {true, false, false, false}));
  rig.Kb().SetKeyPressed(160, false);

  // Idle steps complete the table: the same as a whole fill.
  int steps = 0;
  while (rig.Kb().FillPendingLegends()) ++steps;
  EXPECT_GE(steps, 5);
  EXPECT_TRUE(LangCharsComplete(french));
  TFakeKeyboardServices fresh;
  const TLangChars whole = FilledTable(fresh, FrenchHkl);
  EXPECT_TRUE(french.Chars == whole.Chars);
  EXPECT_FALSE(rig.Kb().FillPendingLegends());

  // Every translation happened while this process held the name, and the name is gone now.
  EXPECT_EQ(rig.services.TranslationsWithoutName, 0);
  EXPECT_FALSE(rig.namedObjects.Exists(L"FillPrintCharsMutex"));

  // Back and forth between languages with complete tables: no translation, no lock.
  rig.Kb().SetHkl(UsEnglishHkl);
  while (rig.Kb().FillPendingLegends()) {}
  const int translations = rig.services.ToUnicodeCalls;
  const std::size_t locks = rig.namedObjects.Creates.size();
  rig.Kb().SetHkl(FrenchHkl);
  rig.Kb().SetHkl(UsEnglishHkl);
  rig.Kb().SetHkl(FrenchHkl);
  EXPECT_EQ(rig.list.size(), 2u);
  EXPECT_EQ(rig.services.ToUnicodeCalls, translations);
  EXPECT_EQ(rig.namedObjects.Creates.size(), locks);
  EXPECT_EQ(rig.Kb().LangIndex(), 1);
  const std::vector<THkl> order = {rig.list[0].Hkl, rig.list[1].Hkl};
  EXPECT_EQ(order, (std::vector<THkl>{UsEnglishHkl, FrenchHkl}));
}

TEST(KeyLegends, ASecondKeyboardReusesTheTablesOfTheList) {
  TLegendsRig rig(GermanHkl);
  const int translations = rig.services.ToUnicodeCalls;
  TLvKeyboard second(rig.paintBox, rig.surfaces, rig.services, rig.injector, rig.desktop, &rig.legends);
  EXPECT_EQ(rig.list.size(), 1u);
  EXPECT_EQ(rig.services.ToUnicodeCalls, translations);
  EXPECT_EQ(second.KeyName(165), L"Alt Gr");
}

TEST(KeyLegends, FillsWithoutTheNameWhileAnotherProcessKeepsIt) {
  TLegendsRig rig;  // English prepared
  TFakeNamedObjects& objects = rig.namedObjects;
  const std::unique_ptr<TNamedObjectHandle> other = objects.HoldElsewhere(L"FillPrintCharsMutex");

  rig.Kb().SetHkl(GermanHkl);
  EXPECT_EQ(objects.Sleeps.size(), 25u);
  EXPECT_EQ(rig.list.size(), 2u);
  EXPECT_EQ(rig.Kb().GetLegend(221), L"\u00B4");
  EXPECT_EQ(rig.Kb().KeyName(165), L"Alt Gr");
  EXPECT_EQ(objects.OpenHandles[L"FillPrintCharsMutex"], 1);  // only the other's handle
}

}  // namespace
