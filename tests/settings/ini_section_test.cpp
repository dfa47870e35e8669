#include "settings/ini_section.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct TSectionCase {
  const wchar_t* Name;
  std::optional<std::wstring> Expected;
};

TEST(IniSection, AnswersEachNameAsASingleReadOfTheFileWould) {
  const TIniSection section({
      L"WindowTop=120",
      L"windowleft = 40 ",          // spaces around the name and the value
      L"WINDOWLEFT=99",             // a second line of a name does not count
      L"Keyboard=\"My layout\"",    // matching quotes go
      L"Other='x'",                 // single quotes too
      L"Half=\"open",               // a quote without its partner stays
      L"Mixed=\"x'",                // and quotes that do not match
      L"Empty=",                    // a value of nothing is a value
      L"NoValue",                   // a key without "=" reads as absent
      L"Eq=a=b",                    // the first "=" ends the name
      L"Quote=\"\"",                // two quotes are an empty value
  });
  const TSectionCase cases[] = {
      {L"WindowTop", L"120"}, {L"windowtop", L"120"}, {L"WindowLeft", L"40"},   {L"Keyboard", L"My layout"},
      {L"Other", L"x"},       {L"Half", L"\"open"},   {L"Mixed", L"\"x'"},      {L"Empty", L""},
      {L"NoValue", std::nullopt}, {L"Eq", L"a=b"},    {L"Quote", L""},          {L"Missing", std::nullopt},
  };
  for (const TSectionCase& c : cases) EXPECT_EQ(section.Find(c.Name), c.Expected) << c.Name;
}

TEST(IniSection, AnEmptySectionHoldsNothing) {
  const TIniSection section(std::vector<std::wstring>{});
  EXPECT_EQ(section.Find(L"WindowTop"), std::nullopt);
}

}  // namespace
