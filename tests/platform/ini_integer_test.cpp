#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/ini_integer.h"

TEST(IniInteger, DecimalAndHexadecimalTextsAndEverythingElse) {
  struct Case {
    const wchar_t* text;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {L"0", 0},
      {L"2", 2},
      {L"-5", -5},
      {L"007", 7},
      {L"2147483647", 2147483647},
      {L"-2147483648", -2147483647 - 1},
      {L"0x3", 3},
      {L"0X1f", 31},
      {L"$1F", 31},
      {L"$ff", 255},
      {L"0xFFFFFFFF", -1},
      {L"$80000000", -2147483647 - 1},
      {L"abc", std::nullopt},
      {L"", std::nullopt},
      {L"-", std::nullopt},
      {L"0x", std::nullopt},
      {L"$", std::nullopt},
      {L"0xG", std::nullopt},
      {L"0x100000000", std::nullopt},
      {L"2147483648", std::nullopt},
      {L"-2147483649", std::nullopt},
      {L"+5", std::nullopt},
      {L" 5", std::nullopt},
      {L"5 ", std::nullopt},
      {L"1.5", std::nullopt},
      {L"-0x5", std::nullopt},
      {L"$-5", std::nullopt},
      {L"12abc", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.expected) << c.text;
}
