#include "platform/text_helpers.h"

#include <gtest/gtest.h>

TEST(TextHelpers, DelimiterOrderDecidesNotPosition) {
  EXPECT_EQ(FirstDelimiterPos(L"a,b;c", L";,"), 4);
  EXPECT_EQ(FirstDelimiterPos(L"a,b;c", L",;"), 2);
  EXPECT_EQ(FirstDelimiterPos(L"abc", L";,"), 0);
  EXPECT_EQ(FirstDelimiterPos(L"", L","), 0);
}

TEST(TextHelpers, BeforeAndAfterSplitAtTheDelimiter) {
  struct Case {
    const wchar_t* s;
    const wchar_t* before;
    const wchar_t* after;
  };
  const Case cases[] = {
      {L"30,40", L"30", L"40"}, {L"30,", L"30", L""},
      {L",40", L"", L"40"},     {L"12", L"12", L"12"},  // no delimiter: the text itself from both sides
      {L"", L"", L""},          {L"1,2,3", L"1", L"2,3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextBefore(c.s, L","), c.before) << c.s;
    EXPECT_EQ(TextAfter(c.s, L","), c.after) << c.s;
  }
}

TEST(TextHelpers, PathCombineInsertsOneBackslash) {
  EXPECT_EQ(PathCombine(L"C:\\Tools", L"Orvilla.ini"), L"C:\\Tools\\Orvilla.ini");
  EXPECT_EQ(PathCombine(L"C:\\Tools\\", L"Orvilla.ini"), L"C:\\Tools\\Orvilla.ini");
  EXPECT_EQ(PathCombine(L"", L"Orvilla.ini"), L"Orvilla.ini");
}

TEST(TextHelpers, EqualIgnoringCaseComparesLetterByLetterWithoutCase) {
  const struct {
    const wchar_t* a;
    const wchar_t* b;
    bool equal;
  } cases[] = {
      {L"Segoe UI", L"segoe ui", true}, {L"TMainFormTop", L"TMAINFORMTOP", true}, {L"", L"", true},
      {L"Tahoma", L"Tahom", false},     {L"Keyboard", L"Keyboard ", false},        {L"a-b", L"a_b", false},
  };
  for (const auto& c : cases) EXPECT_EQ(EqualIgnoringCase(c.a, c.b), c.equal) << c.a << L" / " << c.b;
}
