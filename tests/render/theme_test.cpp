#include "render/theme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/theme_fakes.h"

namespace {

constexpr int FieldCount = 21;
const char* const FieldNames[FieldCount] = {
    "Background",  "KeyFace",  "KeyBorder", "KeyName",   "KeyChar", "DownFace",  "DownBorder",
    "DownName",    "DownChar", "HotFace",   "HotBorder", "HotName", "HotChar",   "SliderTrack",
    "SliderThumb", "FnFace",   "FnBorder",  "FnName",    "CmdFace", "CmdBorder", "CmdName"};

std::vector<TColor> Fields(const TLvTheme& t) {
  return {t.Background,  t.KeyFace,  t.KeyBorder, t.KeyName,   t.KeyChar, t.DownFace,  t.DownBorder,
          t.DownName,    t.DownChar, t.HotFace,   t.HotBorder, t.HotName, t.HotChar,   t.SliderTrack,
          t.SliderThumb, t.FnFace,   t.FnBorder,  t.FnName,    t.CmdFace, t.CmdBorder, t.CmdName};
}

// Colours are written RRGGBB here, as designers write them; system colours stay as they are.
TColor FromRrggbb(std::uint32_t v) {
  if (IsSystemColor(v)) return v;
  return RgbColor(static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v));
}

// Fills computed when a scheme is applied, resolved against the fixture below.
constexpr std::uint32_t DownBlend = 0xFE000001;
constexpr std::uint32_t HotBlend = 0xFE000002;
constexpr std::uint32_t Accent = 0xFE000003;

struct SchemeCase {
  int number;
  std::uint32_t fields[FieldCount];  // in declaration order, RRGGBB
};

// clang-format off
const SchemeCase SchemeCases[] = {
    {1, {0xD3E5FB, 0xD3E5FB, 0x7AA0DA, 0x204D89, 0x000000, 0xFE914E, 0x7B6645, 0x204D89, 0x000000, 0xFFD091, 0x7AA0DA, 0x204D89, 0x000000, 0x7AA0DA, 0x204D89, 0xD3E5FB, 0x7AA0DA, 0x204D89, 0xD3E5FB, 0x7AA0DA, 0x204D89}},
    {2, {clBtnFace, clBtnFace, clWindowText, clGrayText, clWindowText, DownBlend, 0x2A66C9, clWindow, clWindow, HotBlend, 0x2A66C9, clWindowText, 0x000080, clGrayText, clWindowText, clBtnFace, clWindowText, clGrayText, clBtnFace, clWindowText, clGrayText}},
    {3, {0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFF4E1A, 0x4D5B60, 0x0A246B, 0x0A246B, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x000000, 0x000000}},
    {4, {0x202020, 0x202020, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, clBtnFace, 0x5A848F, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x202020, 0xFFFFFF, 0xFFFFFF, 0x202020, 0xFFFFFF, 0xFFFFFF}},
    {5, {0x333333, 0x333333, 0x1A1A1A, 0xA3A3A3, 0xEBEBEB, Accent, 0x1A1A1A, 0xEBEBEB, 0xEBEBEB, 0xEBEBEB, 0x1A1A1A, 0x101010, 0x101010, 0xA3A3A3, 0xEBEBEB, 0x4D4D4D, 0x1A1A1A, 0xEBEBEB, 0x4D4D4D, 0x1A1A1A, 0xEBEBEB}},
    {6, {0xE0E0E0, 0xFFFFFF, 0xD8DBDF, 0x313131, 0x101010, 0x2C5CAD, 0xD8DBDF, 0xFEFEFE, 0xFEFEFE, 0x4C93DB, 0xD8DBDF, 0xFEFEFE, 0xFEFEFE, 0x313131, 0x101010, 0xF0F0F0, 0xD8DBDF, 0x101010, 0xF0F0F0, 0xD8DBDF, 0x101010}},
    {7, {0xECEFF1, 0xECEFF1, 0xECEFF1, 0x4A5B64, 0x061D28, 0xBAC0C5, 0xECEFF1, 0x031016, 0x031016, 0xC9CED1, 0xECEFF1, 0x041720, 0x041720, 0x647B88, 0x4A5B64, 0xDBE0E1, 0xECEFF1, 0x45575F, 0xDBE0E1, 0xECEFF1, 0x45575F}},
    {8, {0xFEFEFE, 0xFEFEFE, 0xB7B7B8, 0x3D4758, 0x000000, 0x7096C6, 0x3C3E3F, 0x1D2738, 0x000000, 0x6CA5E0, 0x686868, 0x1D2738, 0x000000, 0xB7B7B8, 0x3D4758, 0xFEFEFE, 0xB7B7B8, 0x3D4758, 0xFEFEFE, 0xB7B7B8, 0x3D4758}},
    {9, {0xE9ECEF, 0xE9ECEF, 0x727880, 0x4C535C, 0x000000, 0xFE914E, 0x7B6645, 0x4C535C, 0x000000, 0xFFD091, 0x727880, 0x4C535C, 0x000000, 0x727880, 0x4C535C, 0xE9ECEF, 0x727880, 0x4C535C, 0xE9ECEF, 0x727880, 0x4C535C}},
    {10, {0xDBE2E4, 0xDBE2E4, 0xA3B0B5, 0x373C43, 0x000000, 0xFE914E, 0x7B6645, 0x373C43, 0x000000, 0xFFD091, 0xA3B0B5, 0x373C43, 0x000000, 0xA3B0B5, 0x373C43, 0xDBE2E4, 0xA3B0B5, 0x373C43, 0xDBE2E4, 0xA3B0B5, 0x373C43}},
};
// clang-format on

// Windows 10 default colours: button face F0F0F0, highlight 0078D7, window FFFFFF.
class ThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Theme = TLvTheme{};
    FSystem.Colors = {{SysIndexBtnFace, FromRrggbb(0xF0F0F0)},
                      {SysIndexHighlight, FromRrggbb(0x0078D7)},
                      {SysIndexWindow, FromRrggbb(0xFFFFFF)}};
  }
  void TearDown() override { Theme = TLvTheme{}; }

  TColor Resolve(std::uint32_t v) const {
    if (v == DownBlend) return FromRrggbb(0x88BDE7);
    if (v == HotBlend) return FromRrggbb(0xB3D7F4);
    if (v == Accent) return FromRrggbb(0x1A2A3A);
    return FromRrggbb(v);
  }
  void ExpectScheme(const SchemeCase& c) const {
    const std::vector<TColor> actual = Fields(Theme);
    for (int i = 0; i < FieldCount; ++i)
      EXPECT_EQ(actual[i], Resolve(c.fields[i]))
          << "scheme " << c.number << " field " << FieldNames[i] << std::hex << " got 0x" << actual[i];
  }

  FakeSystemColors FSystem;
  FakeRegistryReader FRegistry;
};

TEST_F(ThemeTest, TheRecordStartsBlackWithoutFonts) {
  const TLvTheme fresh{};
  for (TColor c : Fields(fresh)) EXPECT_EQ(c, 0u);
  EXPECT_EQ(fresh.NameFontSize, 0);
  EXPECT_EQ(fresh.CharFontSize, 0);
  EXPECT_TRUE(fresh.NameFontName.empty());
  EXPECT_TRUE(fresh.CharFontName.empty());
  EXPECT_TRUE(fresh.NameFontStyle.Empty());
  EXPECT_TRUE(fresh.CharFontStyle.Empty());
}

TEST_F(ThemeTest, EverySchemeSetsEveryColourFromItsTable) {
  FRegistry.Values[{DwmKey, L"AccentColor"}] = 0xFF3A2A1A;
  for (const auto& c : SchemeCases) {
    // Start from another scheme so that nothing left over can pass for the right colour.
    ApplyColorScheme(c.number == 5 ? 7 : 5, FSystem, FRegistry);
    ApplyColorScheme(c.number, FSystem, FRegistry);
    ExpectScheme(c);
  }
}

TEST_F(ThemeTest, NumbersOutsideTheListShowTheFirstScheme) {
  for (int n : {0, -1, 11, 1000}) {
    ApplyColorScheme(5, FSystem, FRegistry);
    ApplyColorScheme(n, FSystem, FRegistry);
    ExpectScheme(SchemeCases[0]);
  }
}

TEST_F(ThemeTest, ClassColoursFollowTheKeyColoursExceptInSchemesFiveToSeven) {
  ApplyColorScheme(1, FSystem, FRegistry);
  ApplyColorScheme(5, FSystem, FRegistry);
  EXPECT_EQ(Theme.FnFace, FromRrggbb(0x4D4D4D));
  EXPECT_EQ(Theme.FnName, FromRrggbb(0xEBEBEB));
  EXPECT_NE(Theme.FnFace, Theme.KeyFace);

  ApplyColorScheme(5, FSystem, FRegistry);
  ApplyColorScheme(3, FSystem, FRegistry);
  EXPECT_EQ(Theme.FnFace, Theme.KeyFace);
  EXPECT_EQ(Theme.CmdBorder, Theme.KeyBorder);
  EXPECT_EQ(Theme.CmdName, Theme.KeyName);
}

TEST_F(ThemeTest, AndroidHasItsOwnSliderTrack) {
  ApplyColorScheme(7, FSystem, FRegistry);
  EXPECT_EQ(Theme.SliderTrack, FromRrggbb(0x647B88));
  EXPECT_EQ(Theme.SliderThumb, Theme.KeyName);
  EXPECT_EQ(Theme.SliderThumb, FromRrggbb(0x4A5B64));
}

TEST_F(ThemeTest, ApplyingASchemeLeavesTheFontsAlone) {
  Theme.NameFontName = L"Tahoma";
  Theme.CharFontSize = 17;
  Theme.NameFontStyle = TFontStyle::Bold;
  ApplyColorScheme(4, FSystem, FRegistry);
  EXPECT_EQ(Theme.NameFontName, L"Tahoma");
  EXPECT_EQ(Theme.CharFontSize, 17);
  EXPECT_EQ(Theme.NameFontStyle, TFontStyles(TFontStyle::Bold));
}

TEST(ColorSchemeNames, AreTheListItemsInOrder) {
  const std::vector<std::wstring> expected = {L"Standard",      L"System",  L"White", L"Black",         L"Windows Dark",
                                              L"Windows Light", L"Android", L"Mac",   L"Office Silver", L"Office Grey"};
  ASSERT_EQ(ColorSchemeCount, 10);
  for (int i = 0; i < ColorSchemeCount; ++i) EXPECT_EQ(ColorSchemeNames[i], expected[i]) << i;
}

// --- System colour blends ---------------------------------------------------------------------

struct BlendCase {
  std::uint32_t face, highlight, window;  // RRGGBB
  std::uint32_t down, hot;                // RRGGBB, before NearestColor
};

TEST(BlendSystemColors, MixesFaceHighlightAndWindow) {
  const BlendCase cases[] = {
      {0xC0C0C0, 0x000080, 0xFFFFFF, 0x8181B9, 0xB4B4DA},  // classic grey
      {0xF0F0F0, 0x0078D7, 0xFFFFFF, 0x88BDE7, 0xB3D7F4},  // Windows 10
      {0xFFFFFF, 0x3399FF, 0xFFFFFF, 0x3399FF, 0x3399FF},  // white face: the highlight
      {0x000000, 0x1A2B3C, 0x101010, 0x1A2B3C, 0x1A2B3C},  // black face: the highlight
  };
  for (const auto& c : cases) {
    FakeSystemColors system;
    system.Colors = {{SysIndexBtnFace, FromRrggbb(c.face)},
                     {SysIndexHighlight, FromRrggbb(c.highlight)},
                     {SysIndexWindow, FromRrggbb(c.window)}};
    EXPECT_EQ(BlendSystemColors(system, 14, 44, 40), FromRrggbb(c.down)) << std::hex << c.face;
    EXPECT_EQ(BlendSystemColors(system, -2, 30, 72), FromRrggbb(c.hot)) << std::hex << c.face;
  }
}

TEST(BlendSystemColors, ClampsEachChannel) {
  FakeSystemColors system;
  system.Colors = {{SysIndexBtnFace, FromRrggbb(0x808080)},
                   {SysIndexHighlight, FromRrggbb(0xFF0000)},
                   {SysIndexWindow, FromRrggbb(0x00FF00)}};
  // Red: 128 + 255 = 383 -> 255; green: -128 + 255 = 127; blue: -128 -> 0.
  EXPECT_EQ(BlendSystemColors(system, 100, 100, 100), FromRrggbb(0xFFFF80));
  EXPECT_EQ(BlendSystemColors(system, -100, 0, 100), FromRrggbb(0x007F00));
}

TEST(BlendSystemColors, RoundsHalvesAwayFromZero) {
  FakeSystemColors system;
  // 50 % of 1 is 0.5 -> 1; -50 % of 1 is -0.5 -> -1, which the 50 % of 3 (1.5 -> 2) brings to 1.
  system.Colors = {
      {SysIndexBtnFace, FromRrggbb(0x010101)}, {SysIndexHighlight, FromRrggbb(0x030303)}, {SysIndexWindow, 0}};
  EXPECT_EQ(BlendSystemColors(system, 50, 0, 0), FromRrggbb(0x010101));
  EXPECT_EQ(BlendSystemColors(system, -50, 50, 0), FromRrggbb(0x010101));
}

TEST_F(ThemeTest, SystemSchemeFillsPassThroughTheNearestDisplayColour) {
  std::vector<TColor> asked;
  FSystem.Nearest = [&](TColor c) {
    asked.push_back(c);
    return c & 0xF0F0F0;
  };
  ApplyColorScheme(2, FSystem, FRegistry);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0], FromRrggbb(0x88BDE7));
  EXPECT_EQ(asked[1], FromRrggbb(0xB3D7F4));
  EXPECT_EQ(Theme.DownFace, FromRrggbb(0x80B0E0));
  EXPECT_EQ(Theme.HotFace, FromRrggbb(0xB0D0F0));
}

TEST_F(ThemeTest, SystemSchemeWithAWhiteFaceFillsWithTheHighlight) {
  FSystem.Colors[SysIndexBtnFace] = FromRrggbb(0xFFFFFF);
  ApplyColorScheme(2, FSystem, FRegistry);
  EXPECT_EQ(Theme.DownFace, FromRrggbb(0x0078D7));
  EXPECT_EQ(Theme.HotFace, FromRrggbb(0x0078D7));
}

// --- Accent colour and apps theme ---------------------------------------------------------------

TEST_F(ThemeTest, WindowsDarkFillsPressedKeysWithTheAccentColour) {
  ApplyColorScheme(5, FSystem, FRegistry);
  EXPECT_EQ(Theme.DownFace, FromRrggbb(0x0078D7)) << "no accent stored: the default blue";

  FRegistry.Values[{DwmKey, L"AccentColor"}] = 0xFF3A2A1A;
  ApplyColorScheme(5, FSystem, FRegistry);
  EXPECT_EQ(Theme.DownFace, FromRrggbb(0x1A2A3A)) << "top byte dropped, low byte is red";
}

TEST(GetAccentColor, ReadsOnlyTheDwmValue) {
  FakeRegistryReader registry;
  registry.Values[{PersonalizeKey, L"AccentColor"}] = 0x00112233;  // wrong key
  registry.Values[{DwmKey, L"ColorizationColor"}] = 0x00445566;    // wrong value
  EXPECT_EQ(GetAccentColor(registry), FromRrggbb(0x0078D7));
  registry.Values[{DwmKey, L"AccentColor"}] = 0x12345678;
  EXPECT_EQ(GetAccentColor(registry), 0x00345678u);
}

TEST(IsDarkAppsTheme, OnlyAStoredZeroMeansDark) {
  struct Case {
    std::optional<std::uint32_t> value;
    bool dark;
    int defaultScheme;
  };
  const Case cases[] = {{std::nullopt, false, 6}, {0u, true, 5}, {1u, false, 6}, {2u, false, 6}};
  for (const auto& c : cases) {
    FakeRegistryReader registry;
    if (c.value) registry.Values[{PersonalizeKey, L"AppsUseLightTheme"}] = *c.value;
    EXPECT_EQ(IsDarkAppsTheme(registry), c.dark) << (c.value ? *c.value : 99);
    EXPECT_EQ(DefaultColorScheme(registry), c.defaultScheme);
  }
  FakeRegistryReader elsewhere;
  elsewhere.Values[{DwmKey, L"AppsUseLightTheme"}] = 0;
  EXPECT_FALSE(IsDarkAppsTheme(elsewhere));
}

}  // namespace
