#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "words/key_effect.h"
#include "words/suggestion_row.h"

TEST(SuggestionRow, TakesASeventhOfTheClientHeightFrom24To64Pixels) {
  struct Case {
    int clientHeight;
    int row;
  };
  const Case cases[] = {{0, 0},    {10, 10},  {24, 24},  {100, 24},  {174, 24}, {175, 25},
                        {346, 49}, {447, 63}, {448, 64}, {2000, 64}, {-5, 0}};
  for (const Case& c : cases) EXPECT_EQ(SuggestionRowHeight(c.clientHeight), c.row) << c.clientHeight;
}

TEST(SuggestionRow, EveryKeysHeightHasTheLeastClientHeightThatLeavesItExactly) {
  // The keys keep their height when the row comes and goes: client height minus row gives it back.
  for (int keys = 1; keys <= 1500; ++keys) {
    const int client = ClientHeightWithRow(keys);
    ASSERT_EQ(client - SuggestionRowHeight(client), keys) << keys;
    ASSERT_LT(client - 1 - SuggestionRowHeight(client - 1), keys) << keys;
  }
  EXPECT_EQ(ClientHeightWithRow(297), 346);  // "Standard" on a 1080-pixel screen: a row of 49
}

TEST(SuggestionRow, TheKeysTakeTheClientAreaBelowTheRowOrAllOfItWithoutOne) {
  struct Case {
    TRect client;
    bool rowShown;
    TRect keys;
  };
  const Case cases[] = {
      {{0, 0, 790, 346}, true, {0, 49, 790, 346}},  // a row of 49 above keys of 297
      {{0, 0, 790, 346}, false, {0, 0, 790, 346}},  // no row
      {{0, 0, 400, 100}, true, {0, 24, 400, 100}},  // the least row
      {{0, 0, 400, 20}, true, {0, 20, 400, 20}},    // a row no taller than the client area
      {{0, 0, 0, 0}, true, {0, 0, 0, 0}},           // minimised
  };
  for (const Case& c : cases) {
    const TRect keys = KeyAreaBelowRow(c.client, c.rowShown);
    EXPECT_EQ(keys, c.keys) << c.client.Height() << (c.rowShown ? " with row" : "");
  }
}

TEST(SuggestionRow, AsManyButtonsAsFitFromThreeToFive) {
  struct Case {
    int width;
    std::size_t count;
  };
  const Case cases[] = {{0, 3}, {100, 3}, {359, 3}, {480, 4}, {600, 5}, {3000, 5}};
  for (const Case& c : cases) EXPECT_EQ(SuggestionSlotCount(c.width, 120), c.count) << c.width;
}

TEST(SuggestionRow, ButtonsShareTheWidthEdgeToEdgeAndAnswerHits) {
  const auto slots = SuggestionSlots(503, 30, 5, 2);
  ASSERT_EQ(slots.size(), 5u);
  EXPECT_EQ(slots.front().Left, 2);
  EXPECT_EQ(slots.back().Right, 501);
  for (std::size_t i = 0; i < slots.size(); ++i) {
    EXPECT_EQ(slots[i].Top, 2);
    EXPECT_EQ(slots[i].Bottom, 28);
    EXPECT_NEAR(slots[i].Width(), (503 - 12) / 5, 1);
    if (i > 0) {
      EXPECT_EQ(slots[i].Left, slots[i - 1].Right + 2);
    }
  }
  EXPECT_EQ(SuggestionSlotAt(slots, 3, 10), 0u);
  EXPECT_EQ(SuggestionSlotAt(slots, 500, 27), 4u);
  EXPECT_EQ(SuggestionSlotAt(slots, slots[1].Left - 1, 10), 5u);  // the gap
  EXPECT_EQ(SuggestionSlotAt(slots, 100, 29), 5u);
}

TEST(KeyEffect, WhatAKeyDownDoesToTheWord) {
  struct Case {
    std::uint8_t code;
    const wchar_t* legend;
    bool shortcut;
    TKeyMeaning meaning;
    std::u16string text;
  };
  const Case cases[] = {
      {'A', L"a", false, TKeyMeaning::Text, u"a"},
      {'A', L"A", false, TKeyMeaning::Text, u"A"},  // Shift latched: the legend says so
      {'A', L"a", true, TKeyMeaning::Break, u""},   // Ctrl+A
      {222, L"\x00E4", false, TKeyMeaning::Text, u"\x00E4"},
      {190, L".", false, TKeyMeaning::Text, u"."},
      {32, L" ", false, TKeyMeaning::Text, u" "},
      {13, L"", false, TKeyMeaning::Text, u"\r"},
      {9, L"", false, TKeyMeaning::Text, u"\t"},
      {8, L"", false, TKeyMeaning::Backspace, u""},
      {37, L"", false, TKeyMeaning::Break, u""},   // Left
      {36, L"", false, TKeyMeaning::Break, u""},   // Home
      {46, L"", false, TKeyMeaning::Break, u""},   // Delete
      {27, L"", false, TKeyMeaning::Break, u""},   // Escape
      {112, L"", false, TKeyMeaning::Break, u""},  // F1
      {'B', L"", false, TKeyMeaning::Break, u""},  // no character under this state
      {160, L"", false, TKeyMeaning::None, u""},   // left Shift latching
      {162, L"", true, TKeyMeaning::None, u""},    // left Ctrl latching
      {20, L"", false, TKeyMeaning::None, u""},    // Caps Lock
  };
  for (const Case& c : cases) {
    const TKeyEffect effect = KeyEffect(c.code, c.legend, c.shortcut);
    EXPECT_EQ(effect.Meaning, c.meaning) << int(c.code);
    EXPECT_EQ(effect.Text, c.text) << int(c.code);
  }
}

TEST(KeyEffect, CtrlAltOrWindowsMakeAShortcutButAltGrDoesNot) {
  struct Case {
    std::vector<std::uint8_t> held;
    bool shortcut;
  };
  const Case cases[] = {
      {{}, false},          // nothing held
      {{160}, false},       // Shift
      {{162}, true},        // left Ctrl
      {{163}, true},        // right Ctrl
      {{164}, true},        // left Alt
      {{165}, false},       // right Alt alone
      {{162, 165}, false},  // AltGr: Ctrl with right Alt
      {{163, 165}, false},  // right Ctrl with right Alt
      {{162, 164}, true},   // Ctrl with left Alt
      {{165, 91}, true},    // AltGr with Windows
      {{91}, true},         // left Windows
      {{92}, true},         // right Windows
      {{20}, false},        // Caps Lock
  };
  for (const Case& c : cases) {
    const auto isDown = [&c](std::uint8_t code) {
      return std::find(c.held.begin(), c.held.end(), code) != c.held.end();
    };
    std::string held;
    for (std::uint8_t code : c.held) held += std::to_string(code) + " ";
    EXPECT_EQ(ShortcutHeld(isDown), c.shortcut) << held;
  }
}
