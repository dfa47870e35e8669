#include "render/fonts.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "fakes/fake_canvas.h"
#include "render/theme.h"

namespace {

class FontsTest : public ::testing::Test {
 protected:
  void SetUp() override { Theme = TLvTheme{}; }
  void TearDown() override {
    Theme = TLvTheme{};
    DetectFonts({});
  }
};

struct DetectCase {
  std::vector<std::wstring> faces;
  const wchar_t* legendFace;
  const wchar_t* glyphFace;  // nullptr: the glyph keys show their names
};

TEST_F(FontsTest, DetectFontsPicksTheBestInstalledFaces) {
  const DetectCase cases[] = {
      {{L"Arial", L"Tahoma", L"Segoe UI", L"Segoe UI Variable Text", L"Segoe Fluent Icons", L"Segoe UI Symbol",
        L"Wingdings"},
       L"Segoe UI Variable Text",
       L"Segoe Fluent Icons"},
      {{L"Tahoma", L"Segoe UI", L"Segoe UI Symbol", L"Wingdings"}, L"Segoe UI", L"Segoe UI Symbol"},
      {{L"Tahoma", L"Wingdings"}, L"Tahoma", L"Wingdings"},
      {{L"Courier New", L"Segoe UI Semibold", L"Segoe UI Variable Display"}, L"Arial", nullptr},
      {{}, L"Arial", nullptr},
      {{L"segoe ui", L"WINGDINGS"}, L"Segoe UI", L"Wingdings"},  // letter case is ignored
      {{L"Segoe Fluent Icons", L"Tahoma"}, L"Tahoma", L"Segoe Fluent Icons"},
  };
  for (const auto& c : cases) {
    DetectFonts(c.faces);
    EXPECT_EQ(LegendFontFace(), c.legendFace) << c.legendFace;
    const auto glyph = KeyGlyph(8, 0);
    if (c.glyphFace) {
      ASSERT_TRUE(glyph.has_value()) << c.glyphFace;
      EXPECT_EQ(glyph->FontName, c.glyphFace);
    } else {
      EXPECT_FALSE(glyph.has_value()) << c.legendFace;
    }
  }
}

TEST_F(FontsTest, PreferredFaceSkipsTheFallbackFlags) {
  DetectFonts(
      {L"Segoe UI Variable Text", L"Segoe UI", L"Tahoma", L"Segoe Fluent Icons", L"Wingdings", L"Segoe UI Symbol"});
  EXPECT_TRUE(HasSegoeUIVariableText);
  EXPECT_TRUE(HasSegoeFluentIcons);
  EXPECT_FALSE(HasSegoeUI);
  EXPECT_FALSE(HasTahoma);
  EXPECT_FALSE(HasWingdings);
  EXPECT_FALSE(HasSegoeUISymbol);

  DetectFonts({L"Segoe UI", L"Tahoma", L"Wingdings", L"Segoe UI Symbol"});
  EXPECT_FALSE(HasSegoeUIVariableText);
  EXPECT_TRUE(HasSegoeUI);
  EXPECT_TRUE(HasTahoma);
  EXPECT_FALSE(HasSegoeFluentIcons);
  EXPECT_TRUE(HasWingdings);
  EXPECT_TRUE(HasSegoeUISymbol);
}

TEST_F(FontsTest, StartUpChoiceIsTheLegendFaceInBold) {
  DetectFonts({L"Tahoma"});
  ChooseLegendFonts();
  EXPECT_EQ(Theme.NameFontName, L"Tahoma");
  EXPECT_EQ(Theme.CharFontName, L"Tahoma");
  EXPECT_EQ(Theme.NameFontStyle, TFontStyles(TFontStyle::Bold));
  EXPECT_EQ(Theme.CharFontStyle, TFontStyles(TFontStyle::Bold));
  EXPECT_EQ(Theme.NameFontSize, 8);
  EXPECT_EQ(Theme.CharFontSize, 10);
}

struct SizeCase {
  int escWidth, escHeight, ppi;
  int charSize, nameSize;
};

TEST_F(FontsTest, LegendSizesFollowTheEscapeKey) {
  const SizeCase cases[] = {
      {30, 30, 96, 10, 8},                              // 8.33 rounds to 8
      {60, 45, 96, 15, 12},                             // the smaller side decides
      {45, 60, 96, 15, 12},    {120, 120, 96, 36, 30},  // 40 capped at 36
      {45, 45, 144, 10, 8},                             // 15 / 1.5
      {300, 300, 144, 24, 20},                          // cap DpiUnscale(36) = 24 at 144 pixels per inch
      {300, 300, 120, 29, 24},                          // cap 29 at 120
      {6, 6, 96, 3, 3},                                 // 2 raised to 3; 3 / 1.2 = 2.5 raised to 3
      {0, 0, 96, 3, 3},        {75, 75, 192, 12, 10},   // 25 / 2 = 12.5, half to even
      {81, 81, 192, 14, 12},                            // 27 / 2 = 13.5, half to even
  };
  for (const auto& c : cases) {
    UpdateLegendFontSizes(c.escWidth, c.escHeight, c.ppi);
    EXPECT_EQ(Theme.CharFontSize, c.charSize) << c.escWidth << "x" << c.escHeight << "@" << c.ppi;
    EXPECT_EQ(Theme.NameFontSize, c.nameSize) << c.escWidth << "x" << c.escHeight << "@" << c.ppi;
  }
}

TEST(NameFontSizeFor, RoundsLikeExtendedPrecisionDivision) {
  const std::pair<int, int> cases[] = {{9, 7}, {15, 12}, {21, 18}, {27, 22}, {33, 27}, {10, 8},  {12, 10}, {3, 3},
                                       {4, 3}, {36, 30}, {39, 32}, {45, 38}, {51, 42}, {57, 48}, {63, 52}};
  for (const auto& [charSize, nameSize] : cases) EXPECT_EQ(NameFontSizeFor(charSize), nameSize) << charSize;
}

TEST(NameFontSizeFor, AgreesWithEightyBitArithmeticWhereAvailable) {
  if (LDBL_MANT_DIG != 64) GTEST_SKIP() << "long double is not the 80-bit extended type here";
  const long double onePointTwo = 1.2L;
  for (int c = 3; c <= 2000; ++c) {
    volatile long double q = c / onePointTwo;  // keep the quotient in extended precision
    const int expected = std::max(3, static_cast<int>(std::nearbyint(static_cast<long double>(q))));
    ASSERT_EQ(NameFontSizeFor(c), expected) << c;
  }
}

struct GlyphCase {
  std::vector<std::wstring> faces;
  int vk;
  int pressedCount;
  const wchar_t* font;  // nullptr: no glyph
  wchar_t ch;
  int increment;
};

TEST_F(FontsTest, GlyphKeysUseTheFirstInstalledSymbolFace) {
  const std::vector<std::wstring> fluent = {L"Segoe Fluent Icons", L"Segoe UI Symbol", L"Wingdings"};
  const std::vector<std::wstring> symbol = {L"Segoe UI Symbol", L"Wingdings"};
  const std::vector<std::wstring> wingdings = {L"Wingdings"};
  const GlyphCase cases[] = {
      {fluent, 8, 0, L"Segoe Fluent Icons", 0xE750, 3},
      {fluent, 37, 0, L"Segoe Fluent Icons", 0xE00E, 1},
      {fluent, 40, 0, L"Segoe Fluent Icons", 0xE011, 1},
      {fluent, 93, 0, L"Segoe Fluent Icons", 0xE115, 1},
      {symbol, 8, 0, L"Segoe UI Symbol", 0xE083, 5},
      {symbol, 38, 0, L"Segoe UI Symbol", 0xE1FE, 2},
      {symbol, 39, 0, L"Segoe UI Symbol", 0xE27E, 2},
      {symbol, 93, 0, L"Segoe UI Symbol", 0xE115, 2},
      {wingdings, 8, 0, L"Wingdings", 0xF0D5, 5},
      {wingdings, 37, 0, L"Wingdings", 0xF0E7, 2},
      {wingdings, 38, 0, L"Wingdings", 0xF0E9, 2},
      {wingdings, 39, 0, L"Wingdings", 0xF0E8, 2},
      {wingdings, 40, 0, L"Wingdings", 0xF0EA, 2},
      {wingdings, 93, 0, L"Wingdings", 0xF033, 7},
      {fluent, 8, 2, L"Segoe Fluent Icons", 0xE750, 3},  // Backspace keeps its glyph
      {fluent, 93, 1, nullptr, 0, 0},                    // Apps shows its name while a key is down
      {fluent, 9, 0, nullptr, 0, 0},                     // Tab has no glyph
      {fluent, 46, 0, nullptr, 0, 0},
      {{L"Tahoma"}, 8, 0, nullptr, 0, 0},  // no symbol face installed
  };
  for (const auto& c : cases) {
    DetectFonts(c.faces);
    const auto glyph = KeyGlyph(c.vk, c.pressedCount);
    if (!c.font) {
      EXPECT_FALSE(glyph.has_value()) << c.vk;
      continue;
    }
    ASSERT_TRUE(glyph.has_value()) << c.vk;
    EXPECT_EQ(glyph->FontName, c.font) << c.vk;
    EXPECT_EQ(static_cast<int>(glyph->Char), static_cast<int>(c.ch)) << c.vk;
    EXPECT_EQ(glyph->SizeIncrement, c.increment) << c.vk;
  }
}

TEST(DrawTextFmt, DrawsOneLineWithTheCanvasFontAndTheGivenFormat) {
  FakeCanvas canvas;
  canvas.SetFontName(L"Segoe UI");
  canvas.SetFontSize(9);
  canvas.SetFontStyle(TFontStyle::Bold);
  canvas.SetFontColor(0x123456);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  DrawTextFmt(canvas, TRect{2, 1, 58, 28}, L"R&D", tfCentredLegend);
  DrawTextFmt(canvas, TRect{0, 0, 10, 10}, L"Backspace", tfLeftLegend);

  const auto texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, L"R&D");
  EXPECT_EQ(texts[0].Rect, (TRect{2, 1, 58, 28}));
  EXPECT_EQ(texts[0].Format, tfCenter | tfVCenter | tfSingleLine | tfNoPrefix);
  EXPECT_EQ(texts[0].Font, (FakeFont{L"Segoe UI", 9, TFontStyle::Bold, 0x123456}));
  EXPECT_EQ(texts[0].BrushStyle, TBrushStyle::Clear);
  EXPECT_EQ(texts[1].Format, tfVCenter | tfSingleLine | tfNoPrefix);
}

}  // namespace
