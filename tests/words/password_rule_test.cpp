#include <gtest/gtest.h>

#include <string>

#include "words/password_rule.h"

TEST(PasswordRule, AnEditControlWithThePasswordStyle) {
  struct Case {
    const wchar_t* className;
    std::uint32_t style;
    bool password;
  };
  const Case cases[] = {
      {L"Edit", 0x50010020, true}, {L"EDIT", 0x0020, true},      {L"RICHEDIT50W", 0x0020, true},
      {L"TEdit", 0x0020, true},    {L"Edit", 0x50010000, false},  // an ordinary edit control
      {L"Button", 0x0020, false},                                 // the same bit means something else elsewhere
      {L"Static", 0x0020, false},  {L"", 0x0020, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPasswordEdit(c.className, c.style), c.password) << c.className;
}
