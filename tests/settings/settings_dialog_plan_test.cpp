#include "settings/settings_dialog_plan.h"

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
  EXPECT_EQ(plan.ClientHeight, 520);
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
      {C::lblKeyboardType, K::Label, {16, 128, 40, 141}, -1, L"Kind:", -1},
      {C::lbKeyboardType, K::ListBox, {16, 144, 217, 233}, 4, L"", -1},
      {C::lblColors, K::Label, {232, 128, 266, 141}, -1, L"Colors:", -1},
      {C::lbColors, K::ListBox, {232, 144, 433, 233}, 5, L"", -1},
      {C::btnLanguage, K::PushButton, {16, 248, 433, 273}, 6, L"Language preferences", -1},
      {C::btnOnlineKeyboard, K::ImageButton, {16, 290, 433, 315}, 7, L"Online Keyboard", kImageGlobe},
      {C::btnHelpOrReview, K::ImageButton, {16, 322, 433, 347}, 8, L"Online Help", kImageQuestionMark},
      {C::btnAboutORV, K::ImageButton, {16, 354, 433, 379}, 9, L"About Orvilla 1.0", kImageInformation},
      {C::lblInfo, K::Label, {16, 400, 433, 433}, -1,
       L"Please purchase Sentaro to access premium features and help us further improve this app.", -1},
      {C::btnAboutSNT, K::ImageButton, {16, 440, 433, 465}, 10, L"About Sentaro", kImageKeyboard},
      {C::btnClose, K::PushButton, {358, 480, 433, 505}, 11, L"Close", -1},
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
}

TEST(SettingsDialogPlan, ListsAreInEnglishInEveryLanguage) {
  for (std::uint16_t lang : {0x0409, 0x040C, 0x0407, 0x0419}) {
    const TSettingsDialogPlan plan = Plan(lang);
    EXPECT_EQ(plan.Of(C::lbKeyboardType).Items,
              (std::vector<std::wstring>{L"Standard", L"Standard + Arrows", L"Compact", L"Compact + Arrows",
                                         L"Touch", L"Narrow"}));
    EXPECT_EQ(plan.Of(C::lbColors).Items,
              (std::vector<std::wstring>{L"Standard", L"System", L"White", L"Black", L"Windows Dark",
                                         L"Windows Light", L"Android", L"Mac", L"Office Silver", L"Office Grey"}));
  }
}

TEST(SettingsDialogPlan, TranslatedTextsAndTheFrenchColon) {
  const TSettingsDialogPlan french = Plan(0x040C);
  EXPECT_EQ(french.Title, L"Paramètres");
  EXPECT_EQ(french.Of(C::lblTransparency).Text, L"Transparence :");
  EXPECT_EQ(french.Of(C::lblKeyboardType).Text, L"Sorte :");
  EXPECT_EQ(french.Of(C::lblColors).Text, L"Couleurs :");
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
      {96, C::btnClose, {358, 480, 433, 505}},
      {192, C::btnClose, {716, 960, 866, 1010}},
      {144, C::btnClose, {537, 720, 650, 758}},     // 649.5 -> 650, 757.5 -> 758
      {144, C::lblTransparency, {24, 30, 129, 50}},  // 49.5 -> 50
      {144, C::tbTransparency, {156, 24, 506, 64}},  // 505.5 -> 506, 64.5 -> 64
      {120, C::lbColors, {290, 180, 541, 291}},      // 541.25, 291.25
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
