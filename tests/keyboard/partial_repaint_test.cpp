// A modifier or lock key repaints only the keys whose picture changes: the picture must be the
// one a whole recomposition (Redraw(false)) gives. Two keyboards take the same steps; one shows
// them as it does, the other is recomposed after every step, and their pixels are compared.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_canvas.h"
#include "fakes/fake_keyboard_desktop.h"
#include "fakes/fake_keyboard_services.h"
#include "fakes/fake_named_objects.h"
#include "fakes/recording_key_injector.h"
#include "keyboard/key_legends.h"
#include "keyboard/lang_chars.h"
#include "keyboard/lv_keyboard.h"
#include "keyboard_rig.h"

namespace {

// A keyboard with the real legends over the fake keyboard services, drawing on surfaces that
// keep their pixels.
struct TPixelKeyboard {
  FakeSurface paintBox;
  FakeSurfaceFactory surfaces;
  TFakeNamedObjects namedObjects;
  TFakeKeyboardServices services;
  TRecordingKeyInjector injector;
  TFakeKeyboardDesktop desktop;
  TLangCharsList list;
  TLangCharsLegends legends{list, namedObjects, [] { return std::uint16_t{0x0409}; }};
  std::unique_ptr<TLvKeyboard> keyboard;

  TPixelKeyboard(THkl hkl, bool keepPixels) {
    services.ForegroundHkl = hkl;
    surfaces.KeepPixels = keepPixels;
    paintBox.SetSize(530, 218);
    keyboard = std::make_unique<TLvKeyboard>(paintBox, surfaces, services, injector, desktop, &legends);
    keyboard->FillKeyNames();
    keyboard->LoadLayout(1);
    keyboard->SetImageSize(530, 218);
    keyboard->ScaleKeys();
    keyboard->Redraw(true);
    keyboard->SetActive(true);
  }
  TLvKeyboard& Kb() { return *keyboard; }
  FakeCanvas& Image() { return static_cast<FakeSurface&>(keyboard->Image()).Fake(); }
  TPoint Centre(int code) {
    const TLvBtn* key = keyboard->Key(code)->PlaceKey();
    return {key->GetLeft() + key->GetWidth() / 2, key->GetTop() + key->GetHeight() / 2};
  }
};

struct TStep {
  const char* what;
  std::function<void(TPixelKeyboard&)> act;
  // Steps whose own drawing is not a modifier's repaint (hover, an ordinary key): both keyboards
  // are recomposed after them, so that the next modifier starts from a whole picture.
  bool recompose = false;
};

void Press(TPixelKeyboard& k, int code, bool down) { k.Kb().SetKeyPressed(static_cast<std::uint8_t>(code), down); }

const std::vector<TStep>& Steps() {
  static const std::vector<TStep> steps = {
      {"left Shift", [](TPixelKeyboard& k) { Press(k, 160, true); }},
      {"AltGr with Shift", [](TPixelKeyboard& k) { Press(k, 165, true); }},
      {"Shift off", [](TPixelKeyboard& k) { Press(k, 160, false); }},
      {"AltGr off", [](TPixelKeyboard& k) { Press(k, 165, false); }},
      {"Caps Lock on", [](TPixelKeyboard& k) { Press(k, 20, true); }},
      {"Caps Lock key up", [](TPixelKeyboard& k) { Press(k, 20, false); }},
      {"right Shift with Caps Lock", [](TPixelKeyboard& k) { Press(k, 161, true); }},
      {"left Ctrl", [](TPixelKeyboard& k) { Press(k, 162, true); }},
      {"Ctrl with AltGr", [](TPixelKeyboard& k) { Press(k, 165, true); }},
      {"everything off",
       [](TPixelKeyboard& k) {
         for (int code : {161, 162, 165}) Press(k, code, false);
         Press(k, 20, true);
         Press(k, 20, false);
       }},
      {"pointer over A", [](TPixelKeyboard& k) { k.Kb().TrackHot(k.Centre('A').x, k.Centre('A').y); }, true},
      {"Q held", [](TPixelKeyboard& k) { Press(k, 'Q', true); }, true},
      {"left Shift over the hover key", [](TPixelKeyboard& k) { Press(k, 160, true); }},
      {"Windows key", [](TPixelKeyboard& k) { Press(k, 91, true); }},
      {"renamed Tab, then Num Lock",
       [](TPixelKeyboard& k) {
         k.Kb().SetKeyName(9, L"Tabulator");
         Press(k, 144, true);
       }},
      {"resized without a redraw, then AltGr",
       [](TPixelKeyboard& k) {
         k.Kb().SetImageSize(600, 246);
         k.Kb().ScaleKeys();
         Press(k, 165, true);
       }},
      {"AltGr off at the new size", [](TPixelKeyboard& k) { Press(k, 165, false); }},
  };
  return steps;
}

class PartialRepaintTest : public ::testing::TestWithParam<THkl> {};

TEST_P(PartialRepaintTest, ModifierPressesShowTheSamePictureAsARecomposition) {
  TThemeScope themeScope;
  HasSegoeFluentIcons = true;  // the Apps key changes between glyph and name with a latched key
  TPixelKeyboard shown(GetParam(), true);
  TPixelKeyboard recomposed(GetParam(), true);
  ASSERT_EQ(shown.Image().Pixels(), recomposed.Image().Pixels());

  for (const TStep& step : Steps()) {
    shown.Image().ClearOps();
    step.act(shown);
    step.act(recomposed);
    recomposed.Kb().Redraw(false);
    if (step.recompose) shown.Kb().Redraw(false);
    ASSERT_EQ(shown.Image().PixelWidth(), recomposed.Image().PixelWidth()) << step.what;
    EXPECT_TRUE(shown.Image().Pixels() == recomposed.Image().Pixels()) << step.what;
  }
}

TEST_P(PartialRepaintTest, AModifierDrawsFewerLegendsThanARecomposition) {
  TThemeScope themeScope;
  TPixelKeyboard k(GetParam(), false);
  for (int code : {160, 165, 20}) {
    k.Image().ClearOps();
    Press(k, code, true);
    const std::size_t repainted = k.Image().Texts().size();
    k.Image().ClearOps();
    k.Kb().Redraw(false);
    const std::size_t all = k.Image().Texts().size();
    // Something changed (at least the key itself) but not every legend was drawn again.
    EXPECT_GE(repainted, 1u) << code;
    EXPECT_LT(repainted, all) << code;
    Press(k, code, false);
  }
}

TEST(PartialRepaint, ModifierWithoutAChangedLegendRepaintsItselfAndNoOtherLegend) {
  TThemeScope themeScope;
  TPixelKeyboard k(UsEnglishHkl, false);
  k.Image().ClearOps();
  Press(k, 91, true);  // the Windows key changes no legend
  const auto texts = k.Image().Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, k.Kb().KeyName(91));
  EXPECT_EQ(texts[0].Font.Color, Theme.DownName);
}

INSTANTIATE_TEST_SUITE_P(Languages, PartialRepaintTest, ::testing::Values(UsEnglishHkl, GermanHkl, FrenchHkl),
                         [](const ::testing::TestParamInfo<THkl>& info) {
                           switch (info.param) {
                             case GermanHkl: return std::string("German");
                             case FrenchHkl: return std::string("French");
                             default: return std::string("English");
                           }
                         });

}  // namespace
