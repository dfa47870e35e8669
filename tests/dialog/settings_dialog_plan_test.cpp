#include "dialog/settings_dialog_plan.h"

#include <gtest/gtest.h>

namespace {

using C = TSettingsControl;
using K = TSettingsControlKind;

TSettingsDialogPlan Plan(std::uint16_t lang) {
  return SettingsDialogPlan(TranslateCommandCaptions(lang, L"1.0"), lang);
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace

TEST(SettingsDialogPlan, EnglishControlsWithBoundsTabOrderTextsAndImages) {
  const TSettingsDialogPlan plan = Plan(0x0409);
  EXPECT_EQ(plan.Title, L"Settings");
  EXPECT_EQ(plan.FontName, L"Tahoma");
  EXPECT_EQ(plan.FontPointSize, 8);
  EXPECT_EQ(plan.ClientWidth, 448);
  // The hover band under the switches, then the bands of word suggestions and of scanning, make
  // the dialog taller by their heights.
  constexpr int d = 60 + 50 + 78;
  EXPECT_EQ(plan.ClientHeight, 520 + d);
  EXPECT_EQ(plan.DefaultButton, C::btnClose);
  EXPECT_EQ(plan.CancelButton, C::btnClose);
  EXPECT_EQ(plan.Of(C::btnClose).Id(), 2);  // IDCANCEL: Esc closes

  const struct {
    C Control;
    K Kind;
    TRect Bounds;  // left, top, right, bottom
    int Tab;
    const wchar_t* Text;
    int Image;
  } expected[] = {
      {C::lblTransparency, K::Label, {16, 20, 86, 33}, -1, L"Transparency:", -1},
      {C::tbTransparency, K::TrackBar, {104, 16, 337, 43}, 0, L"", -1},
      {C::chkEnableKeyRepeat, K::CheckBox, {16, 52, 433, 69}, 1, L"Enable key repeat", -1},
      {C::chkFitWidth, K::CheckBox, {16, 76, 433, 93}, 2, L"Fit width", -1},
      {C::chkLockSize, K::CheckBox, {16, 100, 433, 117}, 3, L"Lock window size", -1},
      // The hover band.
      {C::chkHoverPress, K::CheckBox, {16, 124, 433, 141}, 4, L"Hover to type", -1},
      {C::lblHoverTime, K::Label, {16, 152, 86, 165}, -1, L"Hover time:", -1},
      {C::tbHoverTime, K::TrackBar, {104, 148, 337, 175}, 5, L"", -1},
      {C::lblHoverTimeValue, K::Label, {345, 152, 433, 165}, -1, L"1.0 s", -1},
      // The word band, in the two columns of the lists.
      {C::chkWordSuggestions, K::CheckBox, {16, 184, 224, 201}, 6, L"Word suggestions", -1},
      {C::chkSuggestionSpace, K::CheckBox, {232, 184, 433, 201}, 7, L"Space after a suggestion", -1},
      {C::chkLearnWords, K::CheckBox, {16, 209, 224, 226}, 8, L"Learn my words", -1},
      {C::btnForgetWords, K::PushButton, {232, 205, 433, 228}, 9, L"Forget learned words", -1},
      // The scan band, its track bar in the hover band's columns.
      {C::chkScanning, K::CheckBox, {16, 234, 224, 251}, 10, L"Scanning", -1},
      {C::chkClickSound, K::CheckBox, {232, 234, 433, 251}, 11, L"Click sound", -1},
      {C::chkScanSound, K::CheckBox, {16, 258, 224, 275}, 12, L"Tick at each step", -1},
      {C::lblScanKey, K::Label, {232, 260, 339, 273}, -1, L"Switch key:", -1},
      {C::cbScanKey, K::DropDownList, {343, 256, 433, 277}, 13, L"", -1},
      {C::lblScanTime, K::Label, {16, 282, 86, 295}, -1, L"Scan time:", -1},
      {C::tbScanTime, K::TrackBar, {104, 278, 337, 305}, 14, L"", -1},
      {C::lblScanTimeValue, K::Label, {345, 282, 433, 295}, -1, L"1.0 s", -1},
      // Everything under the bands as before, lower by their heights.
      {C::lblKeyboardType, K::Label, {16, 128 + d, 40, 141 + d}, -1, L"Kind:", -1},
      {C::lbKeyboardType, K::ListBox, {16, 144 + d, 217, 233 + d}, 15, L"", -1},
      {C::lblColors, K::Label, {232, 128 + d, 266, 141 + d}, -1, L"Colors:", -1},
      {C::lbColors, K::ListBox, {232, 144 + d, 433, 233 + d}, 16, L"", -1},
      {C::btnLanguage, K::PushButton, {16, 248 + d, 433, 273 + d}, 17, L"Language preferences", -1},
      {C::btnOnlineKeyboard, K::ImageButton, {16, 290 + d, 433, 315 + d}, 18, L"Online Keyboard", ImageGlobe},
      {C::btnHelpOrReview, K::ImageButton, {16, 322 + d, 433, 347 + d}, 19, L"Online Help", ImageQuestionMark},
      {C::btnAboutORV, K::ImageButton, {16, 354 + d, 433, 379 + d}, 20, L"About Orvilla 1.0", ImageInformation},
      {C::lblInfo,
       K::Label,
       {16, 400 + d, 433, 433 + d},
       -1,
       L"Please purchase Sentaro to access premium features and help us further improve this app.",
       -1},
      {C::btnAboutSNT, K::ImageButton, {16, 440 + d, 433, 465 + d}, 21, L"About Sentaro", ImageKeyboard},
      // Keeping clear of the text cursor, beside Close.
      {C::chkKeepClear, K::CheckBox, {16, 484 + d, 224, 501 + d}, 22, L"Keep clear of the text cursor", -1},
      {C::btnClose, K::PushButton, {358, 480 + d, 433, 505 + d}, 23, L"Close", -1},
  };
  // Creation order is the tab order, each label right before what it names.
  ASSERT_EQ(plan.Controls.size(), std::size(expected));
  for (size_t i = 0; i < plan.Controls.size(); ++i) {
    const TSettingsControlPlan& c = plan.Controls[i];
    SCOPED_TRACE(c.Id());
    EXPECT_EQ(c.Control, expected[i].Control);
    EXPECT_EQ(c.Kind, expected[i].Kind);
    EXPECT_EQ(c.Bounds, expected[i].Bounds);
    EXPECT_EQ(c.TabOrder, expected[i].Tab);
    EXPECT_EQ(c.Text, expected[i].Text);
    EXPECT_EQ(c.ImageIndex, expected[i].Image);
    EXPECT_EQ(c.WordWrap, c.Control == C::lblInfo);
  }
  EXPECT_EQ(plan.Of(C::tbTransparency).Hint, L"Transparency");
  EXPECT_EQ(plan.Of(C::tbHoverTime).Hint, L"Hover time");
  EXPECT_EQ(plan.Of(C::tbScanTime).Hint, L"Scan time");
  EXPECT_EQ(plan.ForgetWordsQuestion, L"Forget all the words learned from your typing? This cannot be undone.");
}

// The hover time and the scan time: tenths of a second within their settings' limits.
TEST(SettingsDialogPlan, TimeTrackBarsCountTenthsWithinTheLimits) {
  using S = TSettingId;
  const struct {
    S Setting;
    int Milliseconds, Position, Back;
    const wchar_t* Text;
  } cases[] = {
      {S::HoverTime, 1000, 10, 1000, L"1.0 s"},      {S::HoverTime, 500, 5, 500, L"0.5 s"},
      {S::HoverTime, 3000, 30, 3000, L"3.0 s"},      {S::HoverTime, 1250, 13, 1300, L"1.3 s"},
      {S::HoverTime, 100, 5, 500, L"0.5 s"},         {S::HoverTime, 99999, 30, 3000, L"3.0 s"},
      {S::ScanTime, 1000, 10, 1000, L"1.0 s"},       {S::ScanTime, 1449, 14, 1400, L"1.4 s"},
      {S::ScanTime, 1450, 15, 1500, L"1.5 s"},       {S::ScanTime, 0, 5, 500, L"0.5 s"},
      {S::ScanTime, -700, 5, 500, L"0.5 s"},         {S::ScanTime, 3051, 30, 3000, L"3.0 s"},
      {S::ScanTime, 2147483000, 30, 3000, L"3.0 s"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << Setting(c.Setting).Key << " " << c.Milliseconds);
    EXPECT_EQ(TimeTrackBarPosition(c.Setting, c.Milliseconds), c.Position);
    EXPECT_EQ(TimeOfTrackBarPosition(c.Setting, c.Position), c.Back);
    EXPECT_EQ(TimeText(c.Setting, c.Milliseconds), c.Text);
  }
  for (S setting : {S::HoverTime, S::ScanTime}) {
    EXPECT_EQ(TimeOfTrackBarPosition(setting, TimeTrackBarMin(setting)), 500);
    EXPECT_EQ(TimeOfTrackBarPosition(setting, TimeTrackBarMax(setting)), 3000);
    // A position the track bar cannot have still gives a time within the limits.
    EXPECT_EQ(TimeOfTrackBarPosition(setting, 0), 500);
    EXPECT_EQ(TimeOfTrackBarPosition(setting, 31), 3000);
  }
}

TEST(SettingsDialogPlan, ListsAreInEnglishInEveryLanguageButForTheKeypadLayouts) {
  const struct {
    std::uint16_t lang;
    const wchar_t* full;
    const wchar_t* numericPad;
  } cases[] = {{0x0409, L"Full", L"Numeric pad"},
               {0x040C, L"Complet", L"Pavé numérique"},
               {0x0407, L"Vollständig", L"Ziffernblock"},
               {0x0419, L"Полная", L"Цифровая клавиатура"}};
  for (const auto& c : cases) {
    const TSettingsDialogPlan plan = Plan(c.lang);
    EXPECT_EQ(plan.Of(C::lbKeyboardType).Items,
              (std::vector<std::wstring>{L"Standard", L"Standard + Arrows", L"Compact", L"Compact + Arrows", L"Touch",
                                         L"Narrow", c.full, c.numericPad}));
    EXPECT_EQ(plan.Of(C::lbColors).Items,
              (std::vector<std::wstring>{L"Standard", L"System", L"White", L"Black", L"Windows Dark", L"Windows Light",
                                         L"Android", L"Mac", L"Office Silver", L"Office Grey"}));
  }
}

TEST(SettingsDialogPlan, LayoutFilesAreListedAfterTheBuiltInLayouts) {
  const TSettingsDialogPlan plan =
      SettingsDialogPlan(TranslateCommandCaptions(0x040C, L"1.0"), 0x040C, {L"Figures", L"Mine"});
  const std::vector<std::wstring>& items = plan.Of(C::lbKeyboardType).Items;
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[7], L"Pavé numérique");
  EXPECT_EQ(items[8], L"Figures");  // a file's name is its own, in every language
  EXPECT_EQ(items[9], L"Mine");
}

TEST(SettingsDialogPlan, TranslatedTextsAndTheFrenchColon) {
  const TSettingsDialogPlan french = Plan(0x040C);
  EXPECT_EQ(french.Title, L"Paramètres");
  EXPECT_EQ(french.Of(C::lblTransparency).Text, L"Transparence :");
  EXPECT_EQ(french.Of(C::lblKeyboardType).Text, L"Sorte :");
  EXPECT_EQ(french.Of(C::lblColors).Text, L"Couleurs :");
  EXPECT_EQ(french.Of(C::chkHoverPress).Text, L"Saisie par survol");
  EXPECT_EQ(french.Of(C::lblHoverTime).Text, L"Délai :");
  EXPECT_EQ(french.Of(C::btnClose).Text, L"Fermer");
  EXPECT_EQ(french.Of(C::chkEnableKeyRepeat).Text, L"Activer la répétition de touche");
  EXPECT_EQ(french.Of(C::btnAboutORV).Text, L"A propos de Orvilla 1.0");
  EXPECT_NE(french.Of(C::lblInfo).Text.find(L"Sentaro"), std::wstring::npos);
  EXPECT_EQ(french.Of(C::lblInfo).Text.find(L"%1"), std::wstring::npos);

  const TSettingsDialogPlan german = Plan(0x0807);  // Swiss German: the German texts
  EXPECT_EQ(german.Of(C::lblTransparency).Text, L"Transparenz:");
  EXPECT_EQ(german.Of(C::lblKeyboardType).Text, L"Art:");
  EXPECT_EQ(german.Of(C::lblColors).Text, L"Farbe:");
  EXPECT_EQ(german.Of(C::btnClose).Text, L"Schließen");
}

TEST(SettingsDialogPlan, BoundsScaleEdgeByEdgeRoundingHalvesToEven) {
  const struct {
    int Dpi;
    C Control;
    TRect Scaled;
  } cases[] = {
      {96, C::btnClose, {358, 668, 433, 693}},      {192, C::btnClose, {716, 1336, 866, 1386}},
      {144, C::btnClose, {537, 1002, 650, 1040}},    // 649.5 -> 650, 1039.5 -> 1040
      {144, C::lblTransparency, {24, 30, 129, 50}},  // 49.5 -> 50
      {144, C::tbTransparency, {156, 24, 506, 64}},  // 505.5 -> 506, 64.5 -> 64
      {120, C::lbColors, {290, 415, 541, 526}},      // 415, 541.25, 526.25
  };
  const TSettingsDialogPlan plan = Plan(0x0409);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Dpi << " " << static_cast<int>(c.Control));
    EXPECT_EQ(ScaleBoundsToDpi(plan.Of(c.Control).Bounds, c.Dpi), c.Scaled);
  }
  EXPECT_EQ(ScaleToDpi(448, 144), 672);
  EXPECT_EQ(ScaleToDpi(520, 120), 650);
  EXPECT_EQ(ScaleToDpi(3, 144), 4);  // 4.5
  EXPECT_EQ(ScaleToDpi(5, 144), 8);  // 7.5
  EXPECT_EQ(FontPixelHeight(8, 96), 11);
  EXPECT_EQ(FontPixelHeight(8, 120), 13);
  EXPECT_EQ(FontPixelHeight(8, 144), 16);
  EXPECT_EQ(FontPixelHeight(8, 192), 21);
}

TEST(SettingsDialogPlan, ControlsStayInsideTheClientAreaApartAndAlignedAtEveryDpi) {
  const TSettingsDialogPlan plan = Plan(0x0409);
  for (int dpi : {96, 120, 144, 168, 192, 240}) {
    SCOPED_TRACE(dpi);
    const TRect client = ScaleBoundsToDpi({0, 0, plan.ClientWidth, plan.ClientHeight}, dpi);
    const int right = ScaleBoundsToDpi(plan.Of(C::btnClose).Bounds, dpi).Right;
    for (size_t i = 0; i < plan.Controls.size(); ++i) {
      const TRect a = ScaleBoundsToDpi(plan.Controls[i].Bounds, dpi);
      EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Right <= client.Right && a.Bottom <= client.Bottom);
      // What reaches the right half ends at the same right edge (the track bar and labels do not).
      if (a.Right > client.Right / 2 && plan.Controls[i].Kind != K::TrackBar && plan.Controls[i].Kind != K::Label) {
        EXPECT_EQ(a.Right, right) << plan.Controls[i].Id();
      }
      for (size_t j = i + 1; j < plan.Controls.size(); ++j)
        EXPECT_FALSE(Overlap(a, ScaleBoundsToDpi(plan.Controls[j].Bounds, dpi)))
            << plan.Controls[i].Id() << " " << plan.Controls[j].Id();
    }
  }
}

TEST(SettingsDialogPlan, ButtonImageSizeByDpi) {
  const struct {
    int Dpi, Size;
  } cases[] = {{72, 16}, {96, 16}, {120, 16}, {143, 16}, {144, 24}, {168, 24}, {191, 24}, {192, 32}, {288, 32}};
  for (const auto& c : cases) EXPECT_EQ(ButtonImageSize(c.Dpi), c.Size) << c.Dpi;
}

TEST(SettingsDialogPlan, ListSelectionOfAStoredNumber) {
  const struct {
    int Number, Count, Selection;
  } cases[] = {{1, 6, 0}, {6, 6, 5}, {7, 6, -1}, {0, 6, -1}, {-1, 10, -1}, {10, 10, 9}, {11, 10, -1}};
  for (const auto& c : cases) EXPECT_EQ(ListSelection(c.Number, c.Count), c.Selection) << c.Number;
}
