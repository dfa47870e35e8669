// The bands of word suggestions and switch scanning in the settings dialog: the switch keys' list,
// their settings read from bad stored values, and the grown dialog on a small laptop screen.
#include "dialog/settings_dialog_bands.h"

#include <gtest/gtest.h>

#include "dialog/dialog_placement.h"
#include "dialog/settings_dialog_plan.h"
#include "scanning/switch_key.h"
#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"

namespace {

using C = TSettingsControl;

TSettingsDialogPlan Plan(std::uint16_t lang) {
  return SettingsDialogPlan(TranslateCommandCaptions(lang, L"1.0"), lang);
}

}  // namespace

TEST(SettingsDialogBands, SwitchKeysAreListedByTheNamesUsersKnow) {
  const std::vector<std::wstring> fkeys = {L"F1", L"F2", L"F3", L"F4",  L"F5",  L"F6",
                                           L"F7", L"F8", L"F9", L"F10", L"F11", L"F12"};
  const struct {
    std::uint16_t Lang;
    const wchar_t *Space, *Enter, *Pause, *ScrollLock;
  } cases[] = {
      {0x0409, L"Space", L"Enter", L"Pause", L"Scroll Lock"},   {0x0407, L"Leertaste", L"Enter", L"Pause", L"Rollen"},
      {0x040C, L"Espace", L"Entrée", L"Pause", L"Arrêt défil"}, {0x0C0A, L"Espacio", L"Intro", L"Pausa", L"Bloq Despl"},
      {0x0419, L"Пробел", L"Enter", L"Pause", L"Scroll Lock"},  // the keys say so in Russian too
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Lang);
    std::vector<std::wstring> expected{c.Space};
    expected.insert(expected.end(), fkeys.begin(), fkeys.end());
    expected.insert(expected.end(), {c.Enter, c.Pause, c.ScrollLock});
    EXPECT_EQ(SwitchKeyNames(c.Lang), expected);
    EXPECT_EQ(Plan(c.Lang).Of(C::cbScanKey).Items, expected);
  }
}

TEST(SettingsDialogBands, StoredSwitchKeysSelectTheirItemOrTheDefault) {
  const struct {
    int Stored, Index;
  } cases[] = {
      {32, 0}, {112, 1}, {123, 12}, {13, 13}, {19, 14}, {145, 15},      // the keys offered
      {65, 0}, {0, 0},   {-1, 0},   {124, 0}, {288, 0}, {32 + 256, 0},  // any other value: Space
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Stored);
    EXPECT_EQ(SwitchKeyIndex(c.Stored), c.Index);
  }
  for (int index = 0; index < SwitchKeyCount; ++index) EXPECT_EQ(SwitchKeyIndex(SwitchKeyOfIndex(index)), index);
  EXPECT_EQ(SwitchKeyOfIndex(-1), 32);
  EXPECT_EQ(SwitchKeyOfIndex(SwitchKeyCount), 32);
}

TEST(SettingsDialogBands, TheBandsTextsAreTranslated) {
  const TSettingsDialogPlan german = Plan(0x0407);
  EXPECT_EQ(german.Of(C::chkWordSuggestions).Text, L"Wortvorschläge");
  EXPECT_EQ(german.Of(C::chkSuggestionSpace).Text, L"Leerzeichen nach Vorschlag");
  EXPECT_EQ(german.Of(C::btnForgetWords).Text, L"Gelernte Wörter vergessen");
  EXPECT_EQ(german.Of(C::chkScanning).Text, L"Scannen");
  EXPECT_EQ(german.Of(C::lblScanKey).Text, L"Auswahltaste:");
  EXPECT_EQ(german.ForgetWordsQuestion,
            L"Alle aus Ihren Eingaben gelernten Wörter vergessen? Dies kann nicht rückgängig gemacht werden.");
  const TSettingsDialogPlan french = Plan(0x040C);
  EXPECT_EQ(french.Of(C::lblScanTime).Text, L"Intervalle :");
  EXPECT_EQ(french.Of(C::chkLearnWords).Text, L"Apprendre mes mots");
}

// On a 1366 × 768 laptop at 120 DPI (a 40-pixel taskbar) the taller dialog still fits whole, its
// controls laid out at a DPI that keeps the texts readable.
TEST(SettingsDialogBands, TheGrownDialogFitsASmallLaptopScreenReadably) {
  const TSettingsDialogPlan plan = Plan(0x0409);
  const TRect workArea{0, 0, 1366, 728};
  for (int dpi : {96, 120}) {
    SCOPED_TRACE(dpi);
    const int border = ScaleToDpi(3, dpi);
    const TRect frame{-border, -ScaleToDpi(25, dpi), border, border};
    const TDialogPlacement p = PlaceDialog(plan.ClientWidth, plan.ClientHeight, dpi, workArea, frame);
    EXPECT_GE(p.LayoutDpi, 90);
    EXPECT_GE(p.Window.Top, workArea.Top);
    EXPECT_LE(p.Window.Bottom, workArea.Bottom);
    EXPECT_LE(p.Window.Right, workArea.Right);
  }
}

// What a hand-edited INI file holds for the bands' settings, as the keyboard window reads them
// (limited as their rows and the scanner say) and the dialog then shows them.
TEST(SettingsDialogBands, BadStoredValuesFallBackOrAreLimited) {
  const std::wstring ini = L"D:\\Tools\\Orvilla\\Orvilla.ini";
  const struct {
    const wchar_t* ScanTime;
    int Position;
    const wchar_t* ScanKey;
    int KeyIndex;
    const wchar_t* Switch;  // SuggestionSpace and LearnWords
    int SwitchValue;
  } cases[] = {
      {L"1500", 15, L"123", 12, L"0", 0},  // as written by the dialog
      {L"99999", 30, L"65", 0, L"7", 1},   // out of range; a key not offered; any number is on
      {L"-1", 5, L"-32", 0, L"-1", 1},
      {L"fast", 10, L"Space", 0, L"yes", 1},  // no number: the defaults (1 s, Space, on)
      {L"", 10, L"", 0, L"", 1},
      {L"1e3", 10, L"0x70", 1, L"0x0", 0},  // hexadecimal numbers are numbers (F1, off)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ScanTime << " " << c.ScanKey << " " << c.Switch);
    TFakeIniDisk disk;
    TFakeRegistryData registry;
    TAppIni store(std::make_unique<TFakeRegistry>(registry), disk.Factory(), false);
    store.SetIniFileName(ini);
    disk.Value(ini, L"ScanTime") = c.ScanTime;
    disk.Value(ini, L"ScanKey") = c.ScanKey;
    disk.Value(ini, L"SuggestionSpace") = c.Switch;
    disk.Value(ini, L"LearnWords") = c.Switch;
    const int scanTime = LimitSetting(TSettingId::ScanTime, store.Read(TSettingId::ScanTime));
    EXPECT_GE(scanTime, 500);
    EXPECT_LE(scanTime, 3000);
    EXPECT_EQ(TimeTrackBarPosition(TSettingId::ScanTime, scanTime), c.Position);
    EXPECT_EQ(SwitchKeyIndex(LimitScanKey(store.Read(TSettingId::ScanKey))), c.KeyIndex);
    EXPECT_EQ(store.Read(TSettingId::SuggestionSpace), c.SwitchValue);
    EXPECT_EQ(store.Read(TSettingId::LearnWords), c.SwitchValue);
  }
}
