#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "render/fonts.h"
#include "render/theme.h"
#include "render/win32/font_enum.h"
#include "render/win32/gdi_system_colors.h"
#include "render/win32/theme_win32.h"
#include "render/win32/win_registry_reader.h"

namespace {

const wchar_t TestKey[] = L"Software\\OrvillaTests\\RegistryReader";

// A scratch key under HKEY_CURRENT_USER, removed again at the end.
class RegistryReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &FKey, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(FKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, TestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\OrvillaTests");
  }
  void SetDword(const wchar_t* name, DWORD value) {
    RegSetValueExW(FKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
  }
  HKEY FKey = nullptr;
};

TEST_F(RegistryReaderTest, ReadsDwordsAndNothingElse) {
  SetDword(L"AccentColor", 0xFF3A2A1A);
  const wchar_t text[] = L"0";
  RegSetValueExW(FKey, L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
  const BYTE wide[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  RegSetValueExW(FKey, L"Wide", 0, REG_QWORD, wide, sizeof(wide));

  TWinRegistryReader reader;
  EXPECT_EQ(reader.ReadCurrentUserDword(TestKey, L"AccentColor"), 0xFF3A2A1Au);
  EXPECT_EQ(reader.ReadCurrentUserDword(TestKey, L"Missing"), std::nullopt);
  EXPECT_EQ(reader.ReadCurrentUserDword(TestKey, L"Text"), std::nullopt);
  EXPECT_EQ(reader.ReadCurrentUserDword(TestKey, L"Wide"), std::nullopt);
  EXPECT_EQ(reader.ReadCurrentUserDword(L"Software\\OrvillaTests\\NoSuchKey", L"AccentColor"), std::nullopt);
}

TEST(GdiSystemColors, AreTheWindowsSystemColours) {
  TGdiSystemColors colors;
  EXPECT_EQ(colors.SysColorRgb(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(colors.SysColorRgb(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(colors.NearestColor(0x000000), 0x000000u);
  EXPECT_EQ(colors.NearestColor(0xFFFFFF), 0xFFFFFFu);
}

TEST(ThemeWin32, SystemSchemeBlendsTheRunningSystemsColours) {
  ApplyColorScheme(2);
  const TColor expectedDown = TGdiSystemColors().NearestColor(BlendSystemColors(TGdiSystemColors(), 14, 44, 40));
  EXPECT_EQ(Theme.DownFace, expectedDown);
  EXPECT_EQ(Theme.KeyFace, clBtnFace);
  ApplyColorScheme(6);
  EXPECT_EQ(Theme.KeyFace, 0xFFFFFFu);
  const int scheme = DefaultColorScheme();
  EXPECT_EQ(scheme, IsDarkAppsTheme() ? 5 : 6);
  Theme = TLvTheme{};
}

TEST(FontEnum, ListsEachInstalledFaceOnce) {
  const auto faces = ListInstalledFontFaces();
  ASSERT_FALSE(faces.empty());
  for (size_t i = 0; i < faces.size(); ++i) {
    EXPECT_FALSE(faces[i].empty());
    for (size_t j = i + 1; j < faces.size(); ++j)
      EXPECT_NE(CompareStringOrdinal(faces[i].c_str(), -1, faces[j].c_str(), -1, TRUE), CSTR_EQUAL) << "duplicate face";
  }
  // Wine's own fonts include Tahoma; the legends then use it unless a Segoe face exists.
  const bool hasTahoma = std::find(faces.begin(), faces.end(), L"Tahoma") != faces.end();
  DetectFonts();
  if (!HasSegoeUIVariableText) {
    EXPECT_EQ(HasTahoma, hasTahoma);
  }
  DetectFonts(std::vector<std::wstring>{});
}

TEST(FontEnum, FindsExactlyTheInstalledFacesAmongThoseAskedAbout) {
  const auto all = ListInstalledFontFaces();
  ASSERT_FALSE(all.empty());
  const std::wstring missing = L"No Such Face Anywhere";
  const std::vector<std::wstring> asked = {all.front(), missing, all.back()};
  std::vector<std::wstring> expected = {all.front()};
  if (all.size() > 1) expected.push_back(all.back());
  EXPECT_EQ(InstalledFontFacesAmong(asked), expected);
  EXPECT_TRUE(InstalledFontFacesAmong({missing}).empty());
}

}  // namespace
