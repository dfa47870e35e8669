// The legend table fill translates each key once, and a second time only where the system may hold
// a dead key. Its tables must be those of two translations per combination (GetKeyChars for every
// key and combination, key by key), for every language the test services know, whatever dead-key
// state the fill starts from and in whatever order the combinations are filled.
#include "keyboard/lang_chars_fill.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ios>
#include <vector>

#include "fakes/fake_keyboard_services.h"
#include "keyboard/lang_chars.h"
#include "keyboard/twice_translated_table.h"
#include "keys/vk_classes.h"

namespace {

TLangChars TwiceTranslatedTable(TKeyboardServices& services, THkl hkl) {
  TLangChars table;
  table.Hkl = hkl;
  FillLangCharsTwice(table, services);
  return table;
}

TLangChars FilledTable(TKeyboardServices& services, THkl hkl) {
  TLangChars table;
  table.Hkl = hkl;
  FillLangChars(table, services);
  return table;
}

// Every language of the fake services, and one they do not know (nothing translates).
std::vector<THkl> FakeLanguages() {
  std::vector<THkl> hkls;
  for (const TFakeLayout& layout : FakeLayoutTables()) hkls.push_back(layout.Hkl);
  hkls.push_back(0x04190419);
  return hkls;
}

// Tells the first entry where two tables differ.
::testing::AssertionResult SameTables(const TLangChars& expected, const TLangChars& actual) {
  if (expected.HasAltGr != actual.HasAltGr)
    return ::testing::AssertionFailure() << "HasAltGr " << expected.HasAltGr << " against " << actual.HasAltGr;
  for (int code = 0; code < 256; ++code)
    for (int combo = 0; combo < 16; ++combo) {
      const bool shift = combo & 1, altGr = combo & 2, ctrl = combo & 4, caps = combo & 8;
      const std::wstring& e = expected.Chars[code][shift][altGr][ctrl][caps];
      const std::wstring& a = actual.Chars[code][shift][altGr][ctrl][caps];
      if (e != a)
        return ::testing::AssertionFailure()
               << "code " << code << " shift " << shift << " altGr " << altGr << " ctrl " << ctrl << " caps " << caps
               << ": " << e.size() << " characters expected, " << a.size() << " filled";
    }
  return ::testing::AssertionSuccess();
}

TEST(LangCharsFillOnce, GivesTheTableOfTwoTranslationsForEveryLanguageWithFewerCalls) {
  for (const THkl hkl : FakeLanguages()) {
    SCOPED_TRACE(::testing::Message() << std::hex << hkl);
    TFakeKeyboardServices twice, once;
    const TLangChars expected = TwiceTranslatedTable(twice, hkl);
    const TLangChars actual = FilledTable(once, hkl);
    EXPECT_TRUE(SameTables(expected, actual));
    EXPECT_EQ(once.PendingDead, 0);  // no accent left for the next translation
    EXPECT_EQ(twice.ToUnicodeCalls, 2464);
    // One translation per key and distinct keyboard state (12 of the 16 combinations), one more
    // after each dead key and at the start.
    // Where nothing yields a character nothing shows that no dead key is held: every key is
    // translated twice, as before.
    if (once.Find(hkl)) {
      EXPECT_LE(once.ToUnicodeCalls, 77 * 12 + 1 + 16) << "calls";
    }
  }
}

TEST(LangCharsFillOnce, StartsRightWhenAnEarlierTranslationLeftADeadKey) {
  for (const THkl hkl : FakeLanguages()) {
    SCOPED_TRACE(::testing::Message() << std::hex << hkl);
    TFakeKeyboardServices twice, once;
    twice.PendingDead = once.PendingDead = L'^';
    EXPECT_TRUE(SameTables(TwiceTranslatedTable(twice, hkl), FilledTable(once, hkl)));
  }
}

TEST(LangCharsFillOnce, CombinationsFilledOneByOneInAnyOrderGiveTheSameTable) {
  for (const THkl hkl : FakeLanguages()) {
    SCOPED_TRACE(::testing::Message() << std::hex << hkl);
    TFakeKeyboardServices twice, once;
    const TLangChars expected = TwiceTranslatedTable(twice, hkl);
    TLangChars table;
    table.Hkl = hkl;
    // The combination on screen first (here Shift with Caps Lock), the others afterwards, backwards.
    FillLangCharsCombination(table, once, true, false, false, true);
    for (int combo = 15; combo >= 0; --combo)
      FillLangCharsCombination(table, once, combo & 1, combo & 2, combo & 4, combo & 8);
    EXPECT_TRUE(SameTables(expected, table));
  }
}

TEST(LangCharsFillOnce, ACombinationAloneGivesWhatGetKeyCharsGivesKeyByKeyAlsoAfterADeadKey) {
  // Under AltGr, Space yields nothing and keeps a held dead key; the first key that yields a
  // character would combine with it if it were translated only once.
  for (const THkl hkl : FakeLanguages()) {
    SCOPED_TRACE(::testing::Message() << std::hex << hkl);
    TFakeKeyboardServices twice, once;
    twice.PendingDead = once.PendingDead = L'`';
    TLangChars expected, table;
    expected.Hkl = table.Hkl = hkl;
    const TKeyboardState altGr = ModifierState(false, true, false, false);
    for (int c = 1; c <= 255; ++c) {
      const auto code = static_cast<std::uint8_t>(c);
      if (!IsCharacterVk(code)) continue;
      // AltGr with Ctrl is the same keyboard state: both are filled.
      expected.Chars[code][false][true][false][false] = expected.Chars[code][false][true][true][false] =
          GetKeyChars(twice, code, altGr, hkl);
      if (!expected.Chars[code][false][true][false][false].empty()) expected.HasAltGr = true;
    }
    FillLangCharsCombination(table, once, false, true, false, false);
    EXPECT_TRUE(SameTables(expected, table));
  }
}

// A table filled in the pieces the program fills it in: the AltGr combinations and the shown
// keys under the shown combination first, then a combination per idle step.
TEST(LangCharsFillInPieces, GivesTheWholeTableAndMarksWhatIsFilled) {
  struct Case {
    const char* Name;
    TLegendCombination Shown;
    std::vector<int> ShownCodes;
  };
  const Case cases[] = {
      {"PlainLetters", {}, {65, 66, 81, 221, 222}},
      {"ShiftWithCaps", {true, false, false, true}, {49, 50, 221, 220, 32}},
      {"AltGrWithCtrl", {false, true, true, false}, {69, 81, 50}},
      {"NoKeys", {true, false, true, false}, {}},
  };
  for (const THkl hkl : FakeLanguages())
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << std::hex << hkl << " " << c.Name);
      TFakeKeyboardServices twice, once;
      once.PendingDead = L'^';  // whatever an earlier translation left
      const TLangChars expected = TwiceTranslatedTable(twice, hkl);
      TLangChars table;
      table.Hkl = hkl;
      TLegendCodes codes;
      for (const int code : c.ShownCodes) codes[code] = true;

      FillLangCharsAltGr(table, once);
      EXPECT_EQ(table.HasAltGr, expected.HasAltGr);  // final before the rest is filled
      FillLangCharsCombination(table, once, TLegendCombination{}, codes);
      FillLangCharsCombination(table, once, c.Shown, codes);
      for (int code = 1; code <= 255; ++code) {
        const bool character = IsCharacterVk(static_cast<std::uint8_t>(code));
        const bool shown = character && codes[code];
        EXPECT_EQ(table.IsFilled(code, c.Shown), shown || (character && c.Shown.AltGr)) << code;
        EXPECT_FALSE(table.IsFilled(code, {true, false, false, false})) << code;  // asked by none
        if (shown) {
          EXPECT_EQ(table.At(code, c.Shown), expected.At(code, c.Shown)) << code;
        }
      }
      EXPECT_FALSE(LangCharsComplete(table));

      int steps = 0;
      while (FillNextLangCharsCombination(table, once)) ++steps;
      EXPECT_LE(steps, 12);
      EXPECT_TRUE(LangCharsComplete(table));
      EXPECT_TRUE(SameTables(expected, table));
      // No accent left for the next translation (where nothing translates, nothing clears it).
      if (once.Find(hkl)) {
        EXPECT_EQ(once.PendingDead, 0);
      }
      // A complete table fills nothing more.
      const int calls = once.ToUnicodeCalls;
      FillLangChars(table, once);
      EXPECT_EQ(once.ToUnicodeCalls, calls);
    }
}

}  // namespace
