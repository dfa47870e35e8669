#include "keyboard/builtin_layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "keyboard/layout_text.h"

static void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }

namespace {

using Points = std::vector<TPoint>;

// Keys that every built-in layout has.
std::set<int> MainBlock() {
  std::set<int> keys{8, 9, 13, 27, 32, 91, 93, 160, 161, 162, 164, 165};
  for (int c = 48; c <= 57; ++c) keys.insert(c);
  for (int c = 65; c <= 90; ++c) keys.insert(c);
  for (int c = 186; c <= 192; ++c) keys.insert(c);
  for (int c = 219; c <= 222; ++c) keys.insert(c);
  return keys;
}

std::set<int> Range(int first, int last) {
  std::set<int> r;
  for (int c = first; c <= last; ++c) r.insert(c);
  return r;
}

std::set<int> Join(std::set<int> a, const std::set<int>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

struct SpotCheck {
  int code;
  Points points;
};

struct BuiltinCase {
  int index;
  const wchar_t* name;
  int height;
  int width;
  int keyCount;
  size_t pointsPerKey;      // of every one-part outline
  std::set<int> extraKeys;  // keys besides the main block
  std::vector<SpotCheck> spots;
  bool mainBlock = true;  // false: extraKeys are all the keys
};

// The numeric keypad's keys besides Enter: Num Lock, 0 to 9, *, +, -, the decimal point and /.
std::set<int> Keypad() { return Join({144}, Join(Range(96, 107), Range(109, 111))); }

TPoint Sep() { return TPoint{-1, -1}; }

std::ostream& operator<<(std::ostream& os, const BuiltinCase& c) { return os << "layout " << c.index; }

const BuiltinCase Builtins[] = {
    {1,
     L"Standard",
     181,
     441,
     75,
     4,
     Join({20, 46, 163, 226}, Range(112, 123)),
     {{27, {{0, 30}, {30, 30}, {30, 0}, {0, 0}}},
      {13, {{390, 120}, {440, 120}, {440, 90}, {390, 90}}},
      {32, {{100, 180}, {275, 180}, {275, 150}, {100, 150}}},
      {226, {{54, 150}, {80, 150}, {80, 120}, {54, 120}}}}},
    {2,
     L"Standard + Arrows",
     175,
     531,
     87,
     4,
     Join(Join({19, 20, 44, 45, 46, 145, 163, 226}, Range(33, 40)), Range(112, 123)),
     {{13, {{390, 114}, {440, 114}, {440, 84}, {390, 84}}},
      {37, {{440, 174}, {470, 174}, {470, 144}, {440, 144}}},
      {226, {{54, 144}, {80, 144}, {80, 114}, {54, 114}}}}},
    {3,
     L"Compact",
     151,
     441,
     61,
     4,
     {20, 163},
     {{13, {{390, 90}, {440, 90}, {440, 60}, {390, 60}}}, {160, {{0, 120}, {54, 120}, {54, 90}, {0, 90}}}}},
    {4,
     L"Compact + Arrows",
     151,
     441,
     64,
     4,
     Join({20}, Range(37, 40)),
     {{32, {{100, 150}, {275, 150}, {275, 120}, {100, 120}}}, {37, {{350, 150}, {380, 150}, {380, 120}, {350, 120}}}}},
    {5,
     L"Touch",
     151,
     466,
     67,
     2,
     Join({20, 46, 163, 226}, Range(37, 40)),
     {{13, {{388, 60}, {465, 90}}}, {37, {{341, 120}, {371, 150}}}, {226, {{44, 90}, {71, 120}}}}},
    {6,
     L"Narrow",
     121,
     573,
     65,
     2,
     Join({163, 226}, Range(37, 40)),
     {{13, {{391, 30}, {478, 60}}},
      {32, {{122, 90}, {279, 120}}},
      {48, {{482, 90}, {512, 120}}},
      {187, {{542, 90}, {572, 120}}}}},
    // "Standard + Arrows" with the keypad to its right; Enter has the keypad Enter as second part.
    {7,
     L"Full",
     175,
     656,
     103,
     4,
     Join(Join(Join({19, 20, 44, 45, 46, 145, 163, 226}, Range(33, 40)), Range(112, 123)), Keypad()),
     {{13, {{390, 114}, {440, 114}, {440, 84}, {390, 84}, Sep(), {625, 174}, {655, 174}, {655, 114}, {625, 114}}},
      {144, {{535, 54}, {565, 54}, {565, 24}, {535, 24}}},
      {111, {{565, 54}, {595, 54}, {595, 24}, {565, 24}}},
      {107, {{625, 114}, {655, 114}, {655, 54}, {625, 54}}},
      {96, {{535, 174}, {595, 174}, {595, 144}, {535, 144}}},
      {110, {{595, 174}, {625, 174}, {625, 144}, {595, 144}}},
      {103, {{535, 84}, {565, 84}, {565, 54}, {535, 54}}},
      {37, {{440, 174}, {470, 174}, {470, 144}, {440, 144}}}}},
    // The keypad alone: Enter is only its part after the separator, sent as the keypad Enter.
    {8,
     L"Numeric pad",
     151,
     216,
     23,
     4,
     Join(Join(Keypad(), {8, 9, 13}), Range(37, 40)),
     {{13, {Sep(), {90, 150}, {120, 150}, {120, 90}, {90, 90}}},
      {144, {{0, 30}, {30, 30}, {30, 0}, {0, 0}}},
      {8, {{125, 30}, {215, 30}, {215, 0}, {125, 0}}},
      {9, {{125, 60}, {215, 60}, {215, 30}, {125, 30}}},
      {107, {{90, 90}, {120, 90}, {120, 30}, {90, 30}}},
      {96, {{0, 150}, {60, 150}, {60, 120}, {0, 120}}},
      {97, {{0, 120}, {30, 120}, {30, 90}, {0, 90}}},
      {38, {{155, 120}, {185, 120}, {185, 90}, {155, 90}}},
      {39, {{185, 150}, {215, 150}, {215, 120}, {185, 120}}}},
     false},
};

// The parts of an outline split at the separator point (one part without it).
std::vector<Points> Parts(const Points& pts) {
  std::vector<Points> parts(1);
  for (const TPoint& p : pts) {
    if (p == Sep())
      parts.emplace_back();
    else
      parts.back().push_back(p);
  }
  return parts;
}

// Bounding box of an outline: left, top, right, bottom.
TRect Bounds(const Points& pts) {
  TRect r{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
  for (const TPoint& p : pts) {
    r.Left = std::min(r.Left, p.x);
    r.Top = std::min(r.Top, p.y);
    r.Right = std::max(r.Right, p.x);
    r.Bottom = std::max(r.Bottom, p.y);
  }
  return r;
}

class BuiltinLayoutTest : public ::testing::TestWithParam<BuiltinCase> {
 protected:
  const std::wstring& Text() const { return LayoutText(GetParam().index); }
  TLayoutDescription Parse() const { return ParseLayoutText(Text()); }
};

TEST_P(BuiltinLayoutTest, TextIsCrLfJoinedWithSizeLinesFirst) {
  const BuiltinCase& c = GetParam();
  const std::wstring& text = Text();
  EXPECT_EQ(text, BuiltinLayoutTexts[c.index - 1]);
  EXPECT_EQ(LayoutListItem(c.index), c.name);
  const std::wstring head = L"Height=" + std::to_wstring(c.height) + L"\r\nWidth=" + std::to_wstring(c.width) + L"\r\n";
  EXPECT_EQ(text.compare(0, head.size(), head), 0);
  ASSERT_FALSE(text.empty());
  EXPECT_NE(text.back(), L'\n');
  EXPECT_NE(text.back(), L'\r');
  size_t lineBreaks = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r') {
      ASSERT_LT(i + 1, text.size());
      EXPECT_EQ(text[i + 1], L'\n') << "lone CR at " << i;
      ++lineBreaks;
    } else if (text[i] == L'\n') {
      EXPECT_TRUE(i > 0 && text[i - 1] == L'\r') << "lone LF at " << i;
    }
  }
  EXPECT_EQ(lineBreaks, static_cast<size_t>(c.keyCount) + 1);  // two size lines and one line per key
}

TEST_P(BuiltinLayoutTest, ParsesToItsSizeAndExactlyItsKeys) {
  const BuiltinCase& c = GetParam();
  const TLayoutDescription d = Parse();
  ASSERT_TRUE(d.Succeeded());
  EXPECT_EQ(d.Height, c.height);
  EXPECT_EQ(d.Width, c.width);
  const std::set<int> expected = c.mainBlock ? Join(MainBlock(), c.extraKeys) : c.extraKeys;
  EXPECT_EQ(expected.size(), static_cast<size_t>(c.keyCount));
  for (int code = 1; code <= 255; ++code) {
    if (expected.count(code)) {
      for (const Points& part : Parts(d.Points[code])) {
        if (!part.empty()) {
          EXPECT_EQ(part.size(), c.pointsPerKey) << "code " << code;
        }
      }
    } else {
      EXPECT_TRUE(d.Points[code].empty()) << "code " << code;
    }
  }
}

TEST_P(BuiltinLayoutTest, SpotCheckedOutlines) {
  const TLayoutDescription d = Parse();
  for (const SpotCheck& s : GetParam().spots) EXPECT_EQ(d.Points[s.code], s.points) << "code " << s.code;
}

TEST_P(BuiltinLayoutTest, OutlinesAreRectanglesInTheirWrittenCornerOrder) {
  const TLayoutDescription d = Parse();
  for (int code = 1; code <= 255; ++code) {
    const std::vector<Points> parts = Parts(d.Points[code]);
    // Only Enter has two parts: the main Enter (empty in "Numeric pad") and the keypad Enter.
    if (code != 13) {
      EXPECT_EQ(parts.size(), 1u) << code;
    }
    for (const Points& p : parts) {
      if (p.size() == 4) {  // bottom-left, bottom-right, top-right, top-left
        const int left = p[0].x, bottom = p[0].y, right = p[2].x, top = p[2].y;
        EXPECT_LT(left, right) << code;
        EXPECT_LT(top, bottom) << code;
        EXPECT_EQ(p[1], (TPoint{right, bottom})) << code;
        EXPECT_EQ(p[3], (TPoint{left, top})) << code;
      } else if (p.size() == 2) {  // top-left, bottom-right
        EXPECT_LT(p[0].x, p[1].x) << code;
        EXPECT_LT(p[0].y, p[1].y) << code;
      } else {
        EXPECT_TRUE(p.empty()) << code;
      }
    }
  }
}

TEST_P(BuiltinLayoutTest, SizeIsOneMoreThanTheLargestCoordinate) {
  const TLayoutDescription d = Parse();
  int maxX = -1, maxY = -1, minX = 1, minY = 1;
  for (int code = 1; code <= 255; ++code) {
    for (const TPoint& p : d.Points[code]) {
      if (p == Sep()) continue;
      maxX = std::max(maxX, p.x);
      maxY = std::max(maxY, p.y);
      minX = std::min(minX, p.x);
      minY = std::min(minY, p.y);
    }
  }
  EXPECT_EQ(d.Width, maxX + 1);
  EXPECT_EQ(d.Height, maxY + 1);
  EXPECT_EQ(minX, 0);
  EXPECT_EQ(minY, 0);
}

TEST_P(BuiltinLayoutTest, NoTwoKeysOverlap) {
  // Neighbouring keys may share a border line, never an inner area.
  const TLayoutDescription d = Parse();
  std::vector<std::pair<int, TRect>> boxes;
  for (int code = 1; code <= 255; ++code) {
    for (const Points& part : Parts(d.Points[code]))
      if (!part.empty()) boxes.emplace_back(code, Bounds(part));
  }
  for (size_t i = 0; i < boxes.size(); ++i) {
    for (size_t j = i + 1; j < boxes.size(); ++j) {
      const TRect& a = boxes[i].second;
      const TRect& b = boxes[j].second;
      const bool overlap = a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
      EXPECT_FALSE(overlap) << "codes " << boxes[i].first << " and " << boxes[j].first;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, BuiltinLayoutTest, ::testing::ValuesIn(Builtins),
                         [](const ::testing::TestParamInfo<BuiltinCase>& info) {
                           return "Layout" + std::to_string(info.param.index);
                         });

TEST(BuiltinLayouts, NarrowHasFourRowsWithTheDigitsInARightBlock) {
  const TLayoutDescription d = ParseLayoutText(LayoutText(6));
  std::set<int> rowTops;
  int rightmostLetter = 0, leftmostDigit = 100000;
  for (int code = 1; code <= 255; ++code) {
    if (d.Points[code].empty()) continue;
    const TRect r = Bounds(d.Points[code]);
    rowTops.insert(r.Top);
    if (code >= 65 && code <= 90) rightmostLetter = std::max(rightmostLetter, r.Right);
    if (code >= 48 && code <= 57) leftmostDigit = std::min(leftmostDigit, r.Left);
  }
  EXPECT_EQ(rowTops, (std::set<int>{0, 30, 60, 90}));
  EXPECT_GT(leftmostDigit, rightmostLetter);
}

}  // namespace
