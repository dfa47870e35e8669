#include "keyboard/layout_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "keyboard/builtin_layouts.h"

static void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }

namespace {

using Points = std::vector<TPoint>;

// One parse and what it must yield. `code`/`points` check one key's list; `keysRead` is 255 for a
// complete parse, otherwise one less than the code whose list failed.
struct ParseCase {
  const char* label;
  std::wstring text;
  bool sizeRead;
  int height;
  int width;
  int keysRead;
  int code;
  Points points;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c) { return os << c.label; }

std::wstring PointsText(int count) {
  std::wstring s;
  for (int i = 0; i < count; ++i) s += (i ? L";" : L"") + std::to_wstring(i) + L"," + std::to_wstring(-i);
  return s;
}

Points PointsList(int count) {
  Points p;
  for (int i = 0; i < count; ++i) p.push_back({i, -i});
  return p;
}

const ParseCase ParseCases[] = {
    // Size lines.
    {"EmptyTextTakesDefaultSize", L"", true, 300, 800, 255, 13, {}},
    {"SizeLinesAreRead", L"Height=181\r\nWidth=441", true, 181, 441, 255, 13, {}},
    {"SizeNamesIgnoreCase", L"HEIGHT=12\r\nwIdTh=7", true, 12, 7, 255, 13, {}},
    {"EmptyHeightTakesDefault", L"Height=\r\nWidth=5", true, 300, 5, 255, 13, {}},
    {"FirstHeightLineCountsEvenIfEmpty", L"Height=\r\nHeight=50\r\nWidth=60\r\nWidth=70", true, 300, 60, 255, 13, {}},
    {"NegativeSizeIsAnInteger", L"Height=-5\r\nWidth=0", true, -5, 0, 255, 13, {}},
    {"SizeNameWithBlankIsNotASizeLine", L"Height =10\r\nWidth= 10", false, 0, 0, 0, 13, {}},
    {"LettersInHeightFail", L"Height=abc\r\n13=1,1", false, 0, 0, 0, 13, {}},
    {"TrailingCharactersInWidthFail", L"Width=12x\r\n13=1,1", false, 0, 0, 0, 13, {}},
    {"PlusSignFails", L"Height=+12", false, 0, 0, 0, 13, {}},
    {"HexadecimalFails", L"Width=0x10", false, 0, 0, 0, 13, {}},
    {"OverflowFails", L"Height=2147483648", false, 0, 0, 0, 13, {}},
    {"LargestSizesAreRead", L"Height=32767\r\nWidth=-32767", true, 32767, -32767, 255, 13, {}},
    {"HeightBeyond32767Fails", L"Height=32768\r\n13=1,1", false, 0, 0, 0, 13, {}},
    {"WidthBelowMinus32767Fails", L"Width=-32768", false, 0, 0, 0, 13, {}},
    {"LargestIntegerSizeFails", L"Height=2147483647\r\nWidth=-2147483648", false, 0, 0, 0, 13, {}},

    // Line endings: CR LF, lone CR, lone LF, mixed.
    {"LoneCrEndsALine", L"Height=10\rWidth=20\r13=1,2", true, 10, 20, 255, 13, {{1, 2}}},
    {"LoneLfEndsALine", L"Height=10\nWidth=20\n13=1,2", true, 10, 20, 255, 13, {{1, 2}}},
    {"LfCrIsTwoLineEnds", L"Width=20\n\r13=1,2\n\r", true, 300, 20, 255, 13, {{1, 2}}},
    {"TrailingLineBreakIsHarmless", L"13=3,4\r\n", true, 300, 800, 255, 13, {{3, 4}}},

    // Key names.
    {"CodeLineGivesPoints", L"13=0,0;10,10", true, 300, 800, 255, 13, {{0, 0}, {10, 10}}},
    {"LowestCode", L"1=7,8", true, 300, 800, 255, 1, {{7, 8}}},
    {"HighestCode", L"255=7,8", true, 300, 800, 255, 255, {{7, 8}}},
    {"LeadingZeroNameIsIgnored", L"08=1,1", true, 300, 800, 255, 8, {}},
    {"SignedNameIsIgnored", L"+13=1,1\r\n-13=1,1", true, 300, 800, 255, 13, {}},
    {"BlankInNameIsIgnored", L" 13=1,1\r\n13 =1,1", true, 300, 800, 255, 13, {}},
    {"CodesZeroAnd256AreIgnoredEvenIfMalformed", L"0=x\r\n256=;;\r\n1000=,", true, 300, 800, 255, 13, {}},
    {"LineWithoutEqualsIsIgnored", L"13\r\n; comment 13=1\r\n\r\n13 1,1", true, 300, 800, 255, 13, {}},
    {"FirstOfTwoKeyLinesCounts", L"13=1,1\r\n13=2,2", true, 300, 800, 255, 13, {{1, 1}}},
    {"LaterDuplicateIsNotEvenRead", L"13=1,1\r\n13=bad", true, 300, 800, 255, 13, {{1, 1}}},
    {"LineOrderDoesNotMatter", L"13=4,5\r\nWidth=9\r\nHeight=8", true, 8, 9, 255, 13, {{4, 5}}},
    {"ValueRunsFromTheFirstEquals", L"13=1,2=3", true, 300, 800, 12, 13, {}},

    // Point lists.
    {"EmptyValueGivesNoPoints", L"13=", true, 300, 800, 255, 13, {}},
    {"ItemWithoutCommaIsTheDiagonalPoint", L"13=5", true, 300, 800, 255, 13, {{5, 5}}},
    {"NegativeCoordinates", L"13=-1,-1;5,-3;-0,7", true, 300, 800, 255, 13, {{-1, -1}, {5, -3}, {0, 7}}},
    {"ExtremeCoordinatesAreRead",
     L"13=32767,-32767;-32767,32767",
     true,
     300,
     800,
     255,
     13,
     {{32767, -32767}, {-32767, 32767}}},
    {"XBeyond32767Fails", L"13=0,0;32768,0", true, 300, 800, 12, 13, {}},
    {"YBeyond32767Fails", L"13=0,0;3000000,3000000", true, 300, 800, 12, 13, {}},
    {"SmallestIntegerCoordinateFails", L"13=470,144;-2147483648,114;470,114", true, 300, 800, 12, 13, {}},
    {"LeadingZerosInCoordinatesAreFine", L"13=007,010", true, 300, 800, 255, 13, {{7, 10}}},
    {"PicItemIsSkipped", L"13=pic:foo,1;0,0;10,10", true, 300, 800, 255, 13, {{0, 0}, {10, 10}}},
    {"PictrItemIsSkipped", L"13=1,2;pictr:x;3,4", true, 300, 800, 255, 13, {{1, 2}, {3, 4}}},
    {"OnlyPicItemsGiveNoPoints", L"13=pic:a;pictr:b", true, 300, 800, 255, 13, {}},
    {"PicPrefixIsCaseSensitive", L"13=Pic:a;1,1", true, 300, 800, 12, 13, {}},
    {"PicWithoutColonFails", L"13=pic;1,1", true, 300, 800, 12, 13, {}},
    {"TrailingSemicolonFails", L"13=1,2;", true, 300, 800, 12, 13, {}},
    {"LeadingSemicolonFails", L"13=;1,2", true, 300, 800, 12, 13, {}},
    {"LoneSemicolonFails", L"13=;", true, 300, 800, 12, 13, {}},
    {"DoubleSemicolonFails", L"13=1,2;;3,4", true, 300, 800, 12, 13, {}},
    {"TwoCommasFail", L"13=1,2,3", true, 300, 800, 12, 13, {}},
    {"MissingYFails", L"13=1,", true, 300, 800, 12, 13, {}},
    {"MissingXFails", L"13=,1", true, 300, 800, 12, 13, {}},
    {"BlankInItemFails", L"13=1, 2", true, 300, 800, 12, 13, {}},
    {"MaximumPointCount", L"13=" + PointsText(255), true, 300, 800, 255, 13, PointsList(255)},
    {"TooManyPointsFail", L"13=" + PointsText(256), true, 300, 800, 12, 13, {}},
    {"SkippedItemsDoNotCount", L"13=pic:a;" + PointsText(255) + L";pictr:b", true, 300, 800, 255, 13, PointsList(255)},
};

class ParseLayoutTextTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseLayoutTextTest, YieldsSizeAndPoints) {
  const ParseCase& c = GetParam();
  const TLayoutDescription d = ParseLayoutText(c.text);
  ASSERT_EQ(d.SizeRead, c.sizeRead);
  EXPECT_EQ(d.KeysRead, c.keysRead);
  EXPECT_EQ(d.Succeeded(), c.sizeRead && c.keysRead == 255);
  if (c.sizeRead) {
    EXPECT_EQ(d.Height, c.height);
    EXPECT_EQ(d.Width, c.width);
  }
  EXPECT_EQ(d.Points[c.code], c.points);
  EXPECT_TRUE(d.Points[0].empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseLayoutTextTest, ::testing::ValuesIn(ParseCases),
                         [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.label); });

TEST(ParseLayoutText, FailureKeepsLowerCodesAndLeavesHigherCodesEmpty) {
  const TLayoutDescription d = ParseLayoutText(L"Height=20\r\nWidth=30\r\n200=9,9\r\n13=1,2;\r\n8=1,1;2,2");
  EXPECT_FALSE(d.Succeeded());
  ASSERT_TRUE(d.SizeRead);
  EXPECT_EQ(d.Height, 20);
  EXPECT_EQ(d.Width, 30);
  EXPECT_EQ(d.KeysRead, 12);  // code 13 failed
  EXPECT_EQ(d.Points[8], (Points{{1, 1}, {2, 2}}));
  EXPECT_TRUE(d.Points[13].empty());
  EXPECT_TRUE(d.Points[200].empty());
}

TEST(ParseLayoutText, BadWidthFailsBeforeAnyKey) {
  const TLayoutDescription d = ParseLayoutText(L"Height=20\r\nWidth=x\r\n8=1,1");
  EXPECT_FALSE(d.SizeRead);
  EXPECT_FALSE(d.Succeeded());
  EXPECT_EQ(d.KeysRead, 0);
  EXPECT_TRUE(d.Points[8].empty());
}

TEST(ParseLayoutText, EveryCodeWithoutALineGetsAnEmptyList) {
  const TLayoutDescription d = ParseLayoutText(L"8=1,1\r\n255=2,2");
  ASSERT_TRUE(d.Succeeded());
  for (int code = 1; code <= 255; ++code) {
    EXPECT_EQ(d.Points[code].empty(), code != 8 && code != 255) << code;
  }
}

TEST(LayoutText, IndicesOutsideTwoToEightGiveTheFirstText) {
  for (int index : {0, 1, 9, -1, 100, -2147483647 - 1}) {
    EXPECT_EQ(&LayoutText(index), &LayoutText(1)) << index;
    EXPECT_EQ(LayoutListItem(index), L"Standard") << index;
  }
  for (int a = 1; a <= LayoutCount; ++a) {
    for (int b = a + 1; b <= LayoutCount; ++b) EXPECT_NE(LayoutText(a), LayoutText(b)) << a << " " << b;
  }
}

TEST(LayoutText, ListItemsInSettingsOrder) {
  const wchar_t* const expected[] = {
      L"Standard", L"Standard + Arrows", L"Compact", L"Compact + Arrows", L"Touch", L"Narrow", L"Full", L"Numeric pad"};
  static_assert(std::size(expected) == LayoutCount);
  for (int index = 1; index <= LayoutCount; ++index) EXPECT_EQ(LayoutListItem(index), expected[index - 1]);
}

}  // namespace
