#include "keyboard/lv_keyboard.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "keyboard/keyboard_rig.h"
#include "keyboard/vk_names.h"

namespace {

int OutlinedKeys(const TLvKeyboard& kb) {
  int n = 0;
  for (int code = 1; code <= 255; ++code)
    if (kb.Key(code) && kb.Key(code)->PointCount() >= 2) ++n;
  return n;
}

int Shapes(const FakeCanvas& canvas) {
  return static_cast<int>(canvas.OpsOf(FakeOpKind::Rectangle).size() + canvas.OpsOf(FakeOpKind::Polygon).size());
}

// Centres of a few keys of "Standard" at its layout size.
constexpr TPoint CentreA{75, 105};
constexpr TPoint CentreB{215, 135};
constexpr TPoint CentreY{215, 75};
constexpr TPoint CentreZ{95, 135};

struct LayoutCase {
  int index;
  int outlined;
  int width, height;
  int extraShapes = 0;  // parts of two-part outlines beyond their first
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << "index " << c.index; }

class LoadLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LoadLayoutTest, FillsEverySlotAndDrawsEveryOutlineOnce) {
  const LayoutCase& c = GetParam();
  TKeyboardRig rig;
  rig.ClearOps();
  const int preparesBefore = rig.legends.PrepareCalls;

  EXPECT_TRUE(rig.Kb().LoadLayout(c.index));

  for (int code = 1; code <= 255; ++code) EXPECT_NE(rig.Kb().Key(code), nullptr) << code;
  EXPECT_EQ(OutlinedKeys(rig.Kb()), c.outlined);
  EXPECT_EQ(rig.Kb().Width(), c.width);
  EXPECT_EQ(rig.Kb().Height(), c.height);
  EXPECT_EQ(rig.Kb().Image().Width(), c.width);
  EXPECT_EQ(rig.Kb().Image().Height(), c.height);
  EXPECT_TRUE(rig.Kb().PaintEnabled());
  EXPECT_EQ(rig.desktop.BusyHistory, (std::vector<int>{1, 0}));
  EXPECT_EQ(rig.legends.PrepareCalls, preparesBefore + 1);
  // The back buffer was rebuilt: background, then every outline in its normal state.
  ASSERT_FALSE(rig.Back().Ops().empty());
  EXPECT_EQ(rig.Back().Ops()[0].Kind, FakeOpKind::FillRect);
  EXPECT_EQ(rig.Back().Ops()[0].Rect, (TRect{0, 0, c.width, c.height}));
  EXPECT_EQ(Shapes(rig.Back()), c.outlined + c.extraShapes);
  EXPECT_EQ(rig.Presents(), 1);
}

INSTANTIATE_TEST_SUITE_P(AllIndexes, LoadLayoutTest,
                         ::testing::Values(LayoutCase{1, 75, 441, 181}, LayoutCase{2, 87, 531, 175},
                                           LayoutCase{3, 61, 441, 151}, LayoutCase{4, 64, 441, 151},
                                           LayoutCase{5, 67, 466, 151}, LayoutCase{6, 65, 573, 121},
                                           // "Full" draws Enter in two parts: the main Enter and the keypad Enter.
                                           LayoutCase{7, 103, 656, 175, 1}, LayoutCase{8, 23, 216, 151},
                                           // Any other index loads "Standard".
                                           LayoutCase{0, 75, 441, 181}, LayoutCase{9, 75, 441, 181},
                                           LayoutCase{-1, 75, 441, 181}));

TEST(LvKeyboard, ConstructionTakesTheForegroundLanguageAndDrawsNothing) {
  TKeyboardRig rig(600, 250);
  rig.services.ForegroundHkl = GermanHkl;
  rig.ClearOps();
  rig.Recreate();
  EXPECT_EQ(rig.Kb().Hkl(), GermanHkl);
  EXPECT_EQ(rig.legends.PreparedFor.back(), GermanHkl);
  EXPECT_EQ(rig.Kb().Width(), 600);
  EXPECT_EQ(rig.Kb().Height(), 250);
  for (int code = 0; code <= 255; ++code) EXPECT_EQ(rig.Kb().Key(code), nullptr);
  EXPECT_TRUE(rig.Box().Ops().empty());
  EXPECT_TRUE(rig.Image().Ops().empty());
  EXPECT_FALSE(rig.Kb().IsKeyDown(65));
}

TEST(LvKeyboard, NewLayoutForgetsHotAndPressedKeys) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().TrackHot(CentreA.x, CentreA.y);
  rig.Kb().SetKeyPressed(66, true);
  ASSERT_EQ(rig.Kb().PressedCount(), 1);

  ASSERT_TRUE(rig.Kb().LoadLayout(2));
  EXPECT_EQ(rig.Kb().HotKey(), nullptr);
  EXPECT_EQ(rig.Kb().PressedCount(), 0);
  for (int code = 1; code <= 255; ++code) EXPECT_FALSE(rig.Kb().IsKeyDown(code)) << code;
}

TEST(LvKeyboard, ReplacingAKeyLeavesNoReferenceToTheOldObject) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().SetHkl(GermanHkl);  // Y is drawn in Z's outline
  rig.Kb().TrackHot(CentreA.x, CentreA.y);
  rig.Kb().SetKeyPressed(90, true);

  rig.Kb().AddKey(90, {{0, 0}, {10, 10}});
  rig.Kb().AddKey(65, {{20, 0}, {30, 10}});
  EXPECT_EQ(rig.Kb().HotKey(), nullptr);
  EXPECT_EQ(rig.Kb().Key(89)->PlaceKey(), nullptr);  // no outline until the next placement
  EXPECT_EQ(rig.Kb().PressedCount(), 0);
  rig.Kb().TrackHot(CentreZ.x, CentreZ.y);
  rig.Kb().Redraw(true);
  EXPECT_EQ(rig.Kb().HotKey(), nullptr);
}

TEST(LvKeyboard, FillKeyNamesCopiesTheDefaultNamesAndRebuilds) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().SetKeyName(8, L"changed");
  rig.Kb().FillKeyNames();
  for (int code = 1; code <= 255; ++code) EXPECT_EQ(rig.Kb().KeyName(code), VKNames[code]);
  EXPECT_EQ(rig.Kb().KeyName(8), L"Backsp");
  EXPECT_EQ(Shapes(rig.Back()), 75);
}

TEST(LvKeyboard, ScaleKeysStretchesWithCeiling) {
  TKeyboardRig rig;
  rig.LoadActive();
  // Twice the layout size of "Standard".
  rig.Kb().SetImageSize(882, 362);
  rig.Kb().ScaleKeys();
  EXPECT_EQ(rig.Kb().Image().Width(), 882);
  EXPECT_EQ(rig.Kb().Image().Height(), 362);
  EXPECT_EQ(rig.Key(8).Points(), (std::vector<TPoint>{{780, 120}, {880, 120}, {880, 60}, {780, 60}}));
  EXPECT_EQ(rig.Key(8).LayoutPoints(), (std::vector<TPoint>{{390, 60}, {440, 60}, {440, 30}, {390, 30}}));

  // The size for a 1920 x 1040 work area: 30 x 1.64 = 49.2 becomes 50.
  rig.Kb().SetImageSize(724, 297);
  rig.Kb().ScaleKeys();
  EXPECT_EQ(rig.Key(27).Points(), (std::vector<TPoint>{{0, 50}, {50, 50}, {50, 0}, {0, 0}}));

  // 400 wide shown 600 wide: 31 becomes 47 (46.5 rounded up); separators stay.
  rig.Kb().AddKey(200, {{31, 10}, {50, 21}});
  rig.Kb().AddKey(201, {{31, 0}, {40, 0}, {40, 9}, {-1, -1}, {1, 1}, {3, 1}, {3, 3}});
  rig.Kb().SetImageSize(600, 300);
  rig.Kb().SetDesignSize(400, 200);
  rig.Kb().ScaleKeys();
  EXPECT_EQ(rig.Key(200).Points(), (std::vector<TPoint>{{47, 15}, {75, 32}}));
  EXPECT_EQ(rig.Key(201).Points(), (std::vector<TPoint>{{47, 0}, {60, 0}, {60, 14}, {-1, -1}, {2, 2}, {5, 2}, {5, 5}}));

  // A layout size of 0 changes nothing.
  rig.Kb().SetDesignSize(0, 200);
  rig.Kb().ScaleKeys();
  EXPECT_EQ(rig.Key(200).Points(), (std::vector<TPoint>{{47, 15}, {75, 32}}));
}

TEST(LvKeyboard, LayoutAtTheCoordinateLimitScaledFarBeyondTheIntRangeStaysUsable) {
  // One layout unit shown 80000 pixels wide takes the largest coordinate to 2.6 billion pixels.
  const TLayoutDescription layout = ParseLayoutText(
      L"Width=1\r\nHeight=1\r\n65=0,0;32767,32767\r\n"
      L"66=-32767,0;0,-32767;32767,32767");
  ASSERT_TRUE(layout.Succeeded());
  TKeyboardRig rig;
  rig.Kb().FillKeyNames();
  rig.Kb().AddKey(65, layout.Points[65]);
  rig.Kb().AddKey(66, layout.Points[66]);
  rig.Kb().SetImageSize(80000, 80000);
  rig.Kb().SetDesignSize(layout.Width, layout.Height);
  rig.Kb().ScaleKeys();
  EXPECT_EQ(rig.Key(65).Points(), (std::vector<TPoint>{{0, 0}, {TLvBtn::MaxCoordinate, TLvBtn::MaxCoordinate}}));
  EXPECT_EQ(rig.Key(66).Points()[0], (TPoint{-TLvBtn::MaxCoordinate, 0}));
  rig.Kb().Redraw(true);
  rig.Kb().TrackHot(40000, 40000);
  EXPECT_EQ(rig.Kb().HotKey(), &rig.Key(65));
  rig.Kb().TrackHot(-100, 100);
  EXPECT_EQ(rig.Kb().HotKey(), &rig.Key(66));
}

TEST(LvKeyboard, RedrawWhilePaintingIsDisabledWaitsForEnabling) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().SetPaintEnabled(false);
  rig.ClearOps();
  rig.Kb().Redraw(true);
  rig.Kb().Present();
  EXPECT_TRUE(rig.Back().Ops().empty());
  EXPECT_TRUE(rig.Image().Ops().empty());
  EXPECT_TRUE(rig.Box().Ops().empty());

  rig.Kb().SetPaintEnabled(true);     // redraws without asking for a rebuild
  EXPECT_EQ(Shapes(rig.Back()), 75);  // rebuilt all the same
  EXPECT_EQ(rig.Presents(), 1);
}

TEST(LvKeyboard, OnlyLoadResizeNamesAndSchemeChangesRebuildTheBackBuffer) {
  TKeyboardRig rig;
  rig.LoadActive();
  struct Step {
    const char* what;
    std::function<void(TLvKeyboard&)> act;
    bool rebuilds;
  };
  const Step steps[] = {
      {"load", [](TLvKeyboard& k) { k.LoadLayout(1); }, true},
      {"resize",
       [](TLvKeyboard& k) {
         k.SetImageSize(700, 300);
         k.ScaleKeys();
         k.Redraw(true);
       },
       true},
      {"scheme change", [](TLvKeyboard& k) { k.Redraw(true); }, true},
      {"key names", [](TLvKeyboard& k) { k.FillKeyNames(); }, true},
      {"Caps Lock timer",
       [](TLvKeyboard& k) {
         k.SetKeyStateByte(20, 1);
         k.Redraw(false);
       },
       false},
      {"new language", [](TLvKeyboard& k) { k.SetHkl(GermanHkl); }, false},
      {"modifier press", [](TLvKeyboard& k) { k.SetKeyPressed(160, true); }, false},
      {"key press", [](TLvKeyboard& k) { k.SetKeyPressed(65, true); }, false},
      {"hot", [](TLvKeyboard& k) { k.TrackHot(CentreB.x, CentreB.y); }, false},
  };
  for (const Step& s : steps) {
    rig.ClearOps();
    s.act(rig.Kb());
    EXPECT_EQ(!rig.Back().Ops().empty(), s.rebuilds) << s.what;
  }
}

TEST(LvKeyboard, KeyPressRepaintsOneKeyAndModifierPressRepaintsWhatChanges) {
  TKeyboardRig rig;
  rig.LoadActive();

  rig.Kb().SetKeyPressed(65, true);
  const auto polygons = rig.Image().OpsOf(FakeOpKind::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].Points, rig.Key(65).Points());
  EXPECT_EQ(polygons[0].BrushColor, Theme.DownFace);
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Text), 1);
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Draw), 0);
  rig.Kb().SetKeyPressed(65, false);

  rig.ClearOps();
  rig.Kb().SetKeyPressed(160, true);
  // The test legends do not change with Shift: only Shift itself is repainted, over its own part
  // of the back buffer.
  const auto copies = rig.Image().OpsOf(FakeOpKind::CopyRect);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].Source, &rig.Kb().BackBuffer());
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Draw), 0);
  const auto texts = rig.Image().Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Font.Color, Theme.DownName);
  // Outlines: Shift pressed, and its neighbour Caps Lock, which always draws its outline, within
  // the repainted part.
  const auto shapes = rig.Image().OpsOf(FakeOpKind::Polygon);
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].Points, rig.Key(20).Points());
  EXPECT_EQ(shapes[1].Points, rig.Key(160).Points());
  EXPECT_EQ(shapes[1].BrushColor, Theme.DownFace);
  EXPECT_EQ(rig.Presents(), 1);
  EXPECT_TRUE(rig.Back().Ops().empty());

  rig.ClearOps();
  rig.Kb().Redraw(false);
  // A recomposition restores the image from the back buffer, every key draws its legend (Space
  // has none), and only outlines that differ from the normal state are drawn: Shift, and Caps
  // Lock, which always draws its outline.
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Draw), 1);
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Text), 74);
  EXPECT_EQ(rig.ImageShapes(), 2);
  EXPECT_EQ(rig.Presents(), 1);
  EXPECT_TRUE(rig.Back().Ops().empty());
}

TEST(LvKeyboard, HotTrackingRedrawsAtMostTwoKeysAndNothingInsideTheHotKey) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().TrackHot(CentreA.x, CentreA.y);
  EXPECT_EQ(rig.Kb().HotKey(), &rig.Key(65));
  EXPECT_TRUE(rig.Key(65).Hot());
  EXPECT_EQ(rig.ImageShapes(), 1);
  EXPECT_EQ(rig.Presents(), 1);

  rig.ClearOps();
  rig.Kb().TrackHot(CentreA.x + 5, CentreA.y + 5);
  EXPECT_TRUE(rig.Image().Ops().empty());
  EXPECT_TRUE(rig.Box().Ops().empty());

  rig.Kb().TrackHot(CentreB.x, CentreB.y);
  EXPECT_EQ(rig.Kb().HotKey(), &rig.Key(66));
  EXPECT_FALSE(rig.Key(65).Hot());
  EXPECT_EQ(rig.ImageShapes(), 2);
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Text), 2);
  EXPECT_EQ(rig.Presents(), 1);

  rig.ClearOps();
  rig.Kb().TrackHot(-5, -5);  // inside no outline
  EXPECT_EQ(rig.Kb().HotKey(), nullptr);
  EXPECT_FALSE(rig.Key(66).Hot());
  EXPECT_EQ(rig.ImageShapes(), 1);
  EXPECT_EQ(rig.Presents(), 1);

  rig.Kb().TrackHot(CentreA.x, CentreA.y);
  rig.ClearOps();
  rig.Kb().ClearHot(true);
  EXPECT_EQ(rig.Kb().HotKey(), nullptr);
  EXPECT_EQ(rig.Presents(), 1);
}

TEST(LvKeyboard, OverlappingOutlinesMakeTheLowestCodeHot) {
  TKeyboardRig rig;
  rig.Kb().AddKey(70, {{0, 0}, {50, 30}});
  rig.Kb().AddKey(65, {{20, 0}, {70, 30}});
  rig.Kb().TrackHot(30, 10);
  EXPECT_EQ(rig.Kb().HotKey(), rig.Kb().Key(65));
  rig.Kb().TrackHot(10, 10);
  EXPECT_EQ(rig.Kb().HotKey(), rig.Kb().Key(70));
}

TEST(LvKeyboard, HotKeyRecordsWhichPartOfATwoPartKeyIsUnderThePointer) {
  TKeyboardRig rig;
  rig.Kb().AddKey(13, {{0, 0}, {40, 0}, {40, 20}, {0, 20}, {-1, -1}, {20, 20}, {40, 20}, {40, 40}, {20, 40}});
  TLvBtn& enter = rig.Key(13);
  rig.Kb().TrackHot(30, 30);
  EXPECT_TRUE(enter.Extended());
  rig.ClearOps();
  rig.Kb().TrackHot(10, 10);  // same key, main part: no drawing, but the flag follows
  EXPECT_FALSE(enter.Extended());
  EXPECT_TRUE(rig.Image().Ops().empty());

  rig.Kb().SetKeyPressed(enter.Code(), true);
  rig.Kb().ReleasePressedKeys();
  EXPECT_EQ(rig.injector.Events, (std::vector<TKeyEvent>{KeyUp(13, false)}));
}

TEST(LvKeyboard, IgnoredInputLanguagesChangeAndDrawNothing) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.services.MapCalls = 0;
  const int prepares = rig.legends.PrepareCalls;
  for (THkl hkl : {THkl{0}, THkl{0x0409}, UsEnglishHkl}) {
    rig.Kb().SetHkl(hkl);
    EXPECT_EQ(rig.Kb().Hkl(), UsEnglishHkl) << hkl;
  }
  EXPECT_EQ(rig.services.MapCalls, 0);
  EXPECT_EQ(rig.legends.PrepareCalls, prepares);
  EXPECT_TRUE(rig.Image().Ops().empty());
  EXPECT_TRUE(rig.Box().Ops().empty());

  rig.Kb().SetHkl(GermanHkl);
  EXPECT_EQ(rig.Kb().Hkl(), GermanHkl);
  EXPECT_EQ(rig.legends.PrepareCalls, prepares + 1);
  EXPECT_EQ(rig.Presents(), 1);
}

TEST(LvKeyboard, NewLanguageBeforeActivationIsNotDrawn) {
  TKeyboardRig rig;
  rig.Kb().LoadLayout(1);
  rig.ClearOps();
  rig.Kb().SetHkl(GermanHkl);
  EXPECT_EQ(rig.Kb().Hkl(), GermanHkl);
  EXPECT_EQ(rig.Kb().Key(89)->PlaceKey(), rig.Kb().Key(90));
  EXPECT_TRUE(rig.Image().Ops().empty());
  EXPECT_TRUE(rig.Box().Ops().empty());
}

struct PlaceCase {
  const char* name;
  THkl hkl;
  std::vector<std::pair<int, int>> places;  // key code -> code of its place key
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class PlaceKeysTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceKeysTest, CharacterKeysMoveToTheirPhysicalKeyAndBack) {
  const PlaceCase& c = GetParam();
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().SetHkl(c.hkl);
  for (const auto& p : c.places)
    EXPECT_EQ(rig.Kb().Key(p.first)->PlaceKey(), rig.Kb().Key(p.second)) << c.name << ": key " << p.first;
  // Keys outside the moving classes keep their own outline.
  for (int code : {8, 13, 32, 112, 160}) EXPECT_EQ(rig.Kb().Key(code)->PlaceKey(), rig.Kb().Key(code)) << code;

  rig.Kb().SetHkl(GermanHkl == c.hkl ? FrenchHkl : GermanHkl);
  rig.services.ForegroundHkl = UsEnglishHkl;
  rig.Kb().SetHkl(UsEnglishHkl);
  for (int code = 1; code <= 255; ++code)
    EXPECT_EQ(rig.Kb().Key(code)->PlaceKey(), rig.Kb().Key(code)) << "back to US: " << code;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, PlaceKeysTest,
    ::testing::Values(
        PlaceCase{
            "German",
            GermanHkl,
            {{89, 90}, {90, 89}, {219, 189}, {186, 219}, {192, 186}, {222, 222}, {191, 220}, {220, 192}, {189, 191}}},
        PlaceCase{"French", FrenchHkl, {{65, 81}, {81, 65}, {90, 87}, {87, 90}, {77, 186}, {188, 77}}}),
    [](const ::testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

TEST(LvKeyboard, MovedKeyIsDrawnAndHitInItsPlaceKeysOutline) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().SetHkl(GermanHkl);
  TLvBtn& y = rig.Key(89);
  EXPECT_TRUE(y.HitTest(CentreZ.x, CentreZ.y));
  EXPECT_FALSE(y.HitTest(CentreY.x, CentreY.y));
  EXPECT_TRUE(rig.Key(90).HitTest(CentreY.x, CentreY.y));

  rig.ClearOps();
  rig.Kb().SetKeyPressed(y.Code(), true);
  const auto polygons = rig.Image().OpsOf(FakeOpKind::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].Points, rig.Key(90).LayoutPoints());  // layout key 90's outline
  const auto texts = rig.Image().Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, L"c89");  // with its own character
  rig.Kb().TrackHot(CentreZ.x, CentreZ.y);
  EXPECT_EQ(rig.Kb().HotKey(), &y);
}

TEST(LvKeyboard, ReferenceLayoutIsLoadedAndUnloadedWhenNotInstalled) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.services.Installed = {GermanHkl};
  rig.Kb().SetHkl(GermanHkl);
  EXPECT_EQ(rig.services.Loaded, (std::vector<std::wstring>{L"04090409"}));
  EXPECT_EQ(rig.services.Unloaded, (std::vector<THkl>{UsEnglishHkl}));
  EXPECT_EQ(rig.Kb().Key(89)->PlaceKey(), rig.Kb().Key(90));

  // If the reference cannot be loaded, the thread's layout maps; where nothing maps, keys keep
  // their own outline and nothing is unloaded.
  rig.services.FailLoad = true;
  rig.services.ThreadHkl = 0x12341234;
  rig.services.Unloaded.clear();
  rig.Kb().SetHkl(UsEnglishHkl);
  EXPECT_TRUE(rig.services.Unloaded.empty());
  for (int code = 1; code <= 255; ++code) EXPECT_EQ(rig.Kb().Key(code)->PlaceKey(), rig.Kb().Key(code)) << code;
}

struct ActivationCase {
  const char* name;
  std::vector<std::pair<int, int>> system;    // bytes of the system's keyboard state
  std::vector<TKeyEvent> events;              // key-ups sent
  std::vector<std::pair<int, int>> expected;  // bytes of FKeyState afterwards
};

void PrintTo(const ActivationCase& c, std::ostream* os) { *os << c.name; }

class SetActiveTest : public ::testing::TestWithParam<ActivationCase> {};

TEST_P(SetActiveTest, StartsWithNoModifierDown) {
  const ActivationCase& c = GetParam();
  TKeyboardRig rig;
  rig.Kb().LoadLayout(1);
  rig.Kb().SetKeyPressed(65, true);  // shown pressed before activation
  for (const auto& b : c.system) rig.services.SetSystemKey(b.first, static_cast<std::uint8_t>(b.second));
  rig.ClearOps();

  rig.Kb().SetActive(true);
  EXPECT_EQ(rig.injector.Events, c.events);
  for (const auto& e : c.expected) EXPECT_EQ(rig.Kb().KeyState()[e.first], e.second) << e.first;
  EXPECT_FALSE(rig.Kb().IsKeyDown(65));
  EXPECT_EQ(rig.Kb().PressedCount(), 0);
  EXPECT_GE(rig.Presents(), 1);

  // A second activation does nothing.
  rig.ClearOps();
  rig.Kb().SetActive(true);
  EXPECT_TRUE(rig.injector.Events.empty());
  EXPECT_TRUE(rig.Image().Ops().empty());
}

INSTANTIATE_TEST_SUITE_P(
    SystemStates, SetActiveTest,
    ::testing::Values(ActivationCase{"LeftShiftDown", {{160, 0x80}, {16, 0x80}}, {KeyUp(160)}, {{160, 0}, {16, 0}}},
                      ActivationCase{"AltGrDown",
                                     {{162, 0x80}, {17, 0x80}, {165, 0x81}, {18, 0x80}},
                                     {KeyUp(162), KeyUp(165, true)},
                                     {{162, 0}, {17, 0}, {165, 0}, {18, 0}}},
                      ActivationCase{"WindowsKeysDown",
                                     {{92, 0x80}, {91, 0x80}},
                                     {KeyUp(91, true), KeyUp(92, true)},
                                     {{91, 0}, {92, 0}}},
                      ActivationCase{"ToggledOnlyModifier", {{161, 0x01}}, {}, {{161, 0}}},
                      ActivationCase{"LocksAndOtherKeysTakenOver",
                                     {{20, 0x01}, {144, 0x01}, {1, 0x80}, {2, 0x80}, {65, 0x80}},
                                     {},
                                     {{20, 1}, {144, 1}, {1, 0}, {2, 0}, {65, 0x80}}}),
    [](const ::testing::TestParamInfo<ActivationCase>& info) { return info.param.name; });

TEST(LvKeyboard, ReleasePressedKeysSendsKeyUpsInCodeOrder) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().SetKeyPressed(165, true);  // right Alt latched
  rig.Kb().SetKeyPressed(160, true);
  ASSERT_EQ(rig.Kb().PressedCount(), 2);
  rig.Kb().ReleasePressedKeys();
  EXPECT_EQ(rig.injector.Events, (std::vector<TKeyEvent>{KeyUp(160), KeyUp(165, true)}));
  EXPECT_EQ(rig.Kb().PressedCount(), 0);
  EXPECT_FALSE(rig.Kb().IsKeyDown(165));
  EXPECT_EQ(rig.Kb().KeyState()[18], 0);
}

TEST(LvKeyboard, KeyQueries) {
  TKeyboardRig rig;
  EXPECT_FALSE(rig.Kb().IsKeyDown(65));  // no key objects yet
  rig.LoadActive();
  rig.Kb().SetKeyPressed(65, true);
  EXPECT_TRUE(rig.Kb().IsKeyDown(65));
  EXPECT_FALSE(rig.Kb().IsKeyDown(66));
  EXPECT_FALSE(rig.Kb().IsKeyDown(0));
  EXPECT_EQ(rig.Kb().Key(0), nullptr);
  EXPECT_EQ(rig.Kb().Key(256), nullptr);
  EXPECT_TRUE(rig.Kb().IsModifierKey(165));
  EXPECT_FALSE(rig.Kb().IsModifierKey(20));
}

TEST(LvKeyboard, LegendSizesFollowEscapeElseNumLockElseTheLowestDrawnKey) {
  TKeyboardRig rig;
  EXPECT_EQ(rig.Kb().LegendSizeKey(), nullptr);  // nothing drawn
  const struct {
    int index;
    int code;
  } cases[] = {{1, 27}, {7, 27}, {8, 144}};
  for (const auto& c : cases) {
    ASSERT_TRUE(rig.Kb().LoadLayout(c.index));
    EXPECT_EQ(rig.Kb().LegendSizeKey(), rig.Kb().Key(c.code)) << "layout " << c.index;
  }
  rig.Kb().FreeKey(144);  // the numeric pad without Num Lock: Backspace (8) is its lowest key
  EXPECT_EQ(rig.Kb().LegendSizeKey(), rig.Kb().Key(8));
}

TEST(LvKeyboard, PresentCopiesThePictureOntoThePaintBox) {
  TKeyboardRig rig;
  rig.LoadActive();
  rig.Kb().Present();
  const auto copies = rig.Box().OpsOf(FakeOpKind::Draw);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].Source, &rig.Kb().Image());
  EXPECT_EQ(copies[0].X, 0);
  EXPECT_EQ(copies[0].Y, 0);
}

}  // namespace
