#include "render/lv_btn.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "keyboard/keyboard_rig.h"

namespace {

class LvBtnTest : public ::testing::Test {
 protected:
  // A keyboard without a layout; keys are added one by one and paint on its image.
  TKeyboardRig rig;

  TLvBtn& Add(int code, const std::vector<TPoint>& points) {
    rig.Kb().AddKey(static_cast<std::uint8_t>(code), points);
    return rig.Key(code);
  }
  TLvBtn& AddRect(int code, int l, int t, int r, int b) { return Add(code, {{l, t}, {r, b}}); }

  // Paints a key in a given state and returns the text operations drawn.
  std::vector<FakeCanvasOp> PaintIn(TLvBtn& key, bool pressed, bool hot) {
    rig.Kb().SetKeyPressed(key.Code(), pressed);
    key.SetHot(hot);
    rig.Image().ClearOps();
    key.Paint();
    return rig.Image().Texts();
  }
};

const std::vector<TPoint> Square = {{0, 60}, {60, 60}, {60, 0}, {0, 0}};

TEST_F(LvBtnTest, RectangleCoversBothCornersAndLegendMovesWhenPressed) {
  rig.Kb().SetKeyName(27, L"Esc");
  TLvBtn& key = AddRect(27, 0, 0, 60, 30);
  EXPECT_EQ(key.LegendRect(), (TRect{2, 1, 58, 28}));

  rig.Image().ClearOps();
  rig.Kb().SetKeyPressed(key.Code(), true);
  const auto shapes = rig.Image().OpsOf(FakeOpKind::Rectangle);
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_EQ(shapes[0].Rect, (TRect{0, 0, 61, 31}));  // right and bottom exclusive
  const auto texts = rig.Image().Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, L"Esc");
  EXPECT_EQ(texts[0].Rect, (TRect{3, 2, 59, 29}));
  EXPECT_EQ(key.LegendRect(), (TRect{3, 2, 59, 29}));
}

TEST_F(LvBtnTest, HitTestOfRectangleAndPolygon) {
  TLvBtn& rect = AddRect(65, 0, 0, 60, 30);
  TLvBtn& square = Add(66, Square);
  struct Case {
    TLvBtn* key;
    int x, y;
    bool inside;
  };
  const Case cases[] = {
      // The rectangle is inclusive on all four edges.
      {&rect, 0, 0, true},
      {&rect, 60, 30, true},
      {&rect, 60, 0, true},
      {&rect, 0, 30, true},
      {&rect, 61, 10, false},
      {&rect, 10, 31, false},
      {&rect, -1, 5, false},
      {&rect, 30, -1, false},
      // The polygon counts edge crossings: (0, 0) is outside, (1, 1) inside.
      {&square, 0, 0, false},
      {&square, 1, 1, true},
      {&square, 59, 59, true},
      {&square, 30, 30, true},
      {&square, 61, 30, false},
      {&square, 30, 61, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.key->HitTest(c.x, c.y), c.inside) << "key " << int(c.key->Code()) << " at " << c.x << "," << c.y;
}

TEST_F(LvBtnTest, HitTestOfAnOutlineReachingTheEndsOfTheIntegerRange) {
  // A triangle from x 470 out to the smallest int: between y 114 and 144 it covers x from the
  // slanted edge to 470.
  const std::vector<TPoint> triangle = {{470, 144}, {INT_MIN, 114}, {470, 114}};
  struct Case {
    int x, y;
    bool inside;
  };
  const Case cases[] = {
      {0, 120, true},    {469, 143, true}, {-1700000000, 120, true}, {-1800000000, 120, false},
      {500, 120, false}, {0, 150, false},  {INT_MAX, 120, false},    {INT_MIN, 120, false},
  };
  for (const Case& c : cases) EXPECT_EQ(TLvBtn::PointInOutline(triangle, c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST_F(LvBtnTest, CoordinatesBeyondTheDrawableRangeAreLimitedAndStillDrawn) {
  TLvBtn& rect = AddRect(65, INT_MIN, 0, INT_MAX, 30);
  EXPECT_EQ(rect.Points(), (std::vector<TPoint>{{-TLvBtn::MaxCoordinate, 0}, {TLvBtn::MaxCoordinate, 30}}));
  EXPECT_EQ(rect.GetWidth(), 2 * TLvBtn::MaxCoordinate);
  TLvBtn& polygon = Add(66, {{INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}, {0, INT_MIN}});
  EXPECT_EQ(polygon.GetHeight(), 2 * TLvBtn::MaxCoordinate);
  // Pressing the key repaints it, outline and all.
  rig.Image().ClearOps();
  rig.Kb().SetKeyPressed(rect.Code(), true);
  ASSERT_EQ(rig.Image().OpsOf(FakeOpKind::Rectangle).size(), 1u);
  EXPECT_EQ(rig.Image().OpsOf(FakeOpKind::Rectangle)[0].Rect,
            (TRect{-TLvBtn::MaxCoordinate, 0, TLvBtn::MaxCoordinate + 1, 31}));
  rig.Image().ClearOps();
  polygon.SetHot(true);
  polygon.Paint();
  EXPECT_EQ(rig.Image().OpsOf(FakeOpKind::Polygon).size(), 1u);
  EXPECT_TRUE(polygon.HitTest(0, 0));
}

TEST_F(LvBtnTest, PolygonLegendRectangleFitsInsideTheOutline) {
  // FitTextRect of the 60 x 60 square: L = 1, T = 1, R = 59, B = 59.
  EXPECT_EQ(Add(65, Square).LegendRect(), (TRect{3, 2, 59, 59}));
  // A 10 x 10 square has no room for the centred 32 x 32 box; the shrunken bounds are used.
  EXPECT_EQ(Add(66, {{0, 10}, {10, 10}, {10, 0}, {0, 0}}).LegendRect(), (TRect{3, 2, 9, 9}));
}

TEST_F(LvBtnTest, TwoPartOutlineTellsWhichPartWasHit) {
  TLvBtn& enter = Add(13, {{0, 0}, {40, 0}, {40, 20}, {0, 20}, {-1, -1}, {20, 20}, {40, 20}, {40, 40}, {20, 40}});
  struct Case {
    int x, y;
    bool inside, extended;
  };
  const Case cases[] = {{10, 10, true, false}, {30, 30, true, true}, {5, 35, false, true}};
  for (const Case& c : cases) {
    bool extended = !c.extended;
    EXPECT_EQ(enter.HitTest(c.x, c.y, extended), c.inside) << c.x << "," << c.y;
    EXPECT_EQ(extended, c.extended) << c.x << "," << c.y;
  }
  EXPECT_EQ(enter.GetWidth(), 40);  // the separator is not part of the geometry
  EXPECT_EQ(enter.GetHeight(), 40);

  // Each part is drawn as its own polygon; the separator is no vertex.
  rig.Image().ClearOps();
  rig.Kb().SetKeyPressed(enter.Code(), true);
  const auto polygons = rig.Image().OpsOf(FakeOpKind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  for (const auto& p : polygons) {
    EXPECT_EQ(p.Points.size(), 4u);
    for (const TPoint& v : p.Points) EXPECT_NE(v, TLvBtn::Separator);
  }
}

TEST_F(LvBtnTest, EachPartOfATwoPartOutlineShowsTheNameInsideItself) {
  // The main Enter and a keypad Enter far from it, as in "Full"; and the keypad Enter alone (an
  // empty part before the separator), as in "Numeric pad".
  const std::vector<TPoint> mainPart = {{0, 60}, {60, 60}, {60, 30}, {0, 30}};
  const std::vector<TPoint> padPart = {{200, 60}, {230, 60}, {230, 0}, {200, 0}};
  const TRect mainBox{0, 30, 61, 61}, padBox{200, 0, 231, 61};
  struct Case {
    const char* name;
    std::vector<TPoint> points;
    std::vector<TRect> legendIn;  // the part each drawn name must lie in, in drawing order
  };
  std::vector<TPoint> both = mainPart;
  both.push_back(TLvBtn::Separator);
  both.insert(both.end(), padPart.begin(), padPart.end());
  std::vector<TPoint> padOnly{TLvBtn::Separator};
  padOnly.insert(padOnly.end(), padPart.begin(), padPart.end());
  const Case cases[] = {{"main and keypad Enter", both, {mainBox, padBox}}, {"keypad Enter alone", padOnly, {padBox}}};
  rig.Kb().SetKeyName(13, L"Enter");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TLvBtn& enter = Add(13, c.points);
    for (const bool pressed : {false, true}) {
      const auto texts = PaintIn(enter, pressed, false);
      ASSERT_EQ(texts.size(), c.legendIn.size());
      for (std::size_t i = 0; i < texts.size(); ++i) {
        const TRect& r = texts[i].Rect;
        const TRect& in = c.legendIn[i];
        EXPECT_EQ(texts[i].Text, L"Enter");
        EXPECT_TRUE(r.Left >= in.Left && r.Right <= in.Right && r.Top >= in.Top && r.Bottom <= in.Bottom &&
                    r.Right > r.Left && r.Bottom > r.Top)
            << "legend " << i << " at " << r.Left << "," << r.Top << "-" << r.Right << "," << r.Bottom;
      }
    }
    // Both parts' legends are in what a partial repaint covers.
    const TRect bounds = enter.PaintBounds();
    for (const TRect& in : c.legendIn)
      EXPECT_TRUE(bounds.Left <= in.Left + 2 && bounds.Right >= in.Right - 1) << in.Left;
    bool extended = false;
    EXPECT_TRUE(enter.HitTest(215, 30, extended));
    EXPECT_TRUE(extended);
    rig.Kb().SetKeyPressed(13, false);
    rig.Kb().FreeKey(13);
  }
}

TEST_F(LvBtnTest, OutlineFormsWithoutShapeAreNeitherDrawnNorHit) {
  struct Case {
    std::vector<TPoint> points;
    int pointCount;
  };
  const Case cases[] = {
      {{}, 0}, {{{5, 5}}, 1}, {std::vector<TPoint>(TLvBtn::MaxPoints + 1, TPoint{5, 5}), 0} /* too many: no outline */};
  for (const Case& c : cases) {
    rig.Image().ClearOps();
    TLvBtn& key = Add(65, c.points);
    rig.Kb().SetKeyPressed(key.Code(), true);
    key.PaintTo(rig.Image(), true);
    EXPECT_EQ(key.PointCount(), c.pointCount);
    EXPECT_EQ(key.LayoutPoints().size(), key.Points().size());
    EXPECT_TRUE(rig.Image().Ops().empty());
    EXPECT_FALSE(key.HitTest(5, 5));
    EXPECT_FALSE(key.HitTest(0, 0));
    rig.Kb().SetKeyPressed(key.Code(), false);
  }
}

TEST_F(LvBtnTest, GeometryOfTheOwnOutline) {
  struct Case {
    std::vector<TPoint> points;
    int left, top, width, height;
  };
  const Case cases[] = {
      {{{10, 20}, {70, 50}}, 10, 20, 60, 30},
      {{{390, 60}, {440, 60}, {440, 30}, {390, 30}}, 390, 30, 50, 30},
      {{{5, 7}}, 5, 7, 0, 0},
      {{}, 0, 0, 0, 0},
  };
  int code = 65;
  for (const Case& c : cases) {
    TLvBtn& key = Add(code++, c.points);
    EXPECT_EQ(key.GetLeft(), c.left);
    EXPECT_EQ(key.GetTop(), c.top);
    EXPECT_EQ(key.GetWidth(), c.width);
    EXPECT_EQ(key.GetHeight(), c.height);
  }
}

TEST_F(LvBtnTest, ColoursFollowStateThenClass) {
  const TLvTheme& t = Theme;
  struct Case {
    int code;
    bool pressed, hot;
    int classVk;
    TColor pen, brush, name, chr;
  };
  const Case cases[] = {
      {65, true, true, 65, t.DownBorder, t.DownFace, t.DownName, t.DownChar},  // pressed wins
      {65, false, true, 65, t.HotBorder, t.HotFace, t.HotName, t.HotChar},
      {8, true, false, 8, t.DownBorder, t.DownFace, t.DownName, t.DownChar},
      {8, false, false, 8, t.CmdBorder, t.CmdFace, t.CmdName, t.KeyChar},
      {112, false, false, 112, t.FnBorder, t.FnFace, t.FnName, t.KeyChar},
      {232, false, false, 232, t.FnBorder, t.FnFace, t.FnName, t.KeyChar},
      {65, false, false, 65, t.KeyBorder, t.KeyFace, t.KeyName, t.KeyChar},
      {65, false, false, 8, t.CmdBorder, t.CmdFace, t.CmdName, t.KeyChar},  // class from argument
  };
  for (const Case& c : cases) {
    TLvBtn& key = AddRect(c.code, 0, 0, 30, 30);
    FakeCanvas canvas;
    key.SetColors(canvas, c.pressed, c.hot, static_cast<std::uint8_t>(c.classVk));
    EXPECT_EQ(canvas.PenColor(), c.pen) << c.code;
    EXPECT_EQ(canvas.BrushColor(), c.brush) << c.code;
    EXPECT_EQ(key.NameColor(), c.name) << c.code;
    EXPECT_EQ(key.CharColor(), c.chr) << c.code;
  }
}

TEST_F(LvBtnTest, CapsLockIsDrawnPressedExactlyWhenItsByteIsSet) {
  TLvBtn& caps = AddRect(20, 0, 0, 60, 30);
  FakeCanvas canvas;
  rig.Kb().SetKeyStateByte(20, 0);
  caps.SetColors(canvas, true, false, 20);
  EXPECT_FALSE(caps.DrawnPressed());
  EXPECT_EQ(canvas.BrushColor(), Theme.CmdFace);
  rig.Kb().SetKeyStateByte(20, 1);
  caps.SetColors(canvas, false, false, 20);
  EXPECT_TRUE(caps.DrawnPressed());
  EXPECT_EQ(canvas.BrushColor(), Theme.DownFace);
}

TEST_F(LvBtnTest, OutlineIsRedrawnOnlyWhenItsStateChangesExceptCapsLock) {
  TLvBtn& caps = AddRect(20, 0, 0, 60, 30);
  TLvBtn& letter = AddRect(65, 70, 0, 130, 30);
  rig.Image().ClearOps();
  caps.Paint();
  caps.Paint();
  EXPECT_EQ(rig.ImageShapes(), 2);

  rig.Image().ClearOps();
  letter.Paint();  // same state as drawn: legend only
  EXPECT_EQ(rig.ImageShapes(), 0);
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Text), 1);
  letter.SetHot(true);
  EXPECT_EQ(rig.ImageShapes(), 1);
  letter.SetHot(true);  // no change of state: legend only
  EXPECT_EQ(rig.ImageShapes(), 1);
  EXPECT_EQ(rig.ImageOps(FakeOpKind::Text), 3);
}

TEST_F(LvBtnTest, PressingUpdatesTheKeyboardState) {
  for (int code : {20, 144, 145, 160, 161, 162, 163, 164, 165}) AddRect(code, 0, 0, 10, 10);
  auto& state = rig.Kb().KeyState();

  struct Step {
    int code;
    bool press;
    std::vector<std::pair<int, int>> expected;
  };
  const Step steps[] = {
      // Lock keys toggle between 0 and 1 on the press; releases change nothing.
      {20, true, {{20, 1}}},
      {20, false, {{20, 1}}},
      {20, true, {{20, 0}}},
      {20, false, {{20, 0}}},
      {144, true, {{144, 1}}},
      {145, true, {{145, 1}}},
      // Shift, Ctrl, Alt: the generic byte follows the left and right ones.
      {160, true, {{160, 0x81}, {16, 0x81}}},
      {161, true, {{161, 0x81}, {16, 0x81}}},
      {160, false, {{160, 0}, {16, 0x81}}},
      {161, false, {{161, 0}, {16, 0}}},
      {163, true, {{163, 0x81}, {17, 0x81}}},
      {162, true, {{162, 0x81}, {17, 0x81}}},
      {163, false, {{163, 0}, {17, 0x81}}},
      {162, false, {{162, 0}, {17, 0}}},
      {165, true, {{165, 0x81}, {18, 0x81}}},
      {165, false, {{165, 0}, {18, 0}}},
  };
  for (const Step& s : steps) {
    rig.Kb().SetKeyPressed(s.code, s.press);
    for (const auto& e : s.expected)
      EXPECT_EQ(state[e.first], e.second) << "byte " << e.first << " after code " << s.code;
  }

  // A Caps Lock byte that shows the key down (0x81) becomes 1 on the next press.
  rig.Kb().SetKeyStateByte(20, 0x81);
  rig.Kb().SetKeyPressed(20, true);
  EXPECT_EQ(state[20], 1);
}

TEST_F(LvBtnTest, PressedCountFollowsChangesOnlyAndNeverDropsBelowZero) {
  TLvBtn& key = AddRect(65, 0, 0, 30, 30);
  rig.Image().ClearOps();
  rig.Kb().SetKeyPressed(key.Code(), false);  // already released: nothing
  EXPECT_EQ(rig.Kb().PressedCount(), 0);
  EXPECT_TRUE(rig.Image().Ops().empty());

  rig.Kb().SetKeyPressed(key.Code(), true);
  rig.Kb().SetKeyPressed(key.Code(), true);
  EXPECT_EQ(rig.Kb().PressedCount(), 1);
  rig.Kb().SetKeyPressed(key.Code(), false);
  rig.Kb().SetKeyPressed(key.Code(), false);
  EXPECT_EQ(rig.Kb().PressedCount(), 0);
}

TEST_F(LvBtnTest, NameSizeFollowsStateAndShortensLongNames) {
  rig.Kb().SetKeyName(36, L"Home");
  rig.Kb().SetKeyName(27, L"Esc");
  TLvBtn& home = AddRect(36, 0, 0, 200, 30);
  TLvBtn& esc = AddRect(27, 0, 40, 200, 70);
  struct Case {
    TLvBtn* key;
    int nameSize;
    bool pressed, hot;
    int size;
    TColor color;
  };
  const Case cases[] = {
      {&home, 8, false, false, 6, Theme.CmdName}, {&home, 8, false, true, 7, Theme.HotName},  // 6.6
      {&home, 8, true, false, 5, Theme.DownName},                                             // 5.4
      {&home, 8, true, true, 5, Theme.DownName},                                              // pressed wins over hot
      {&home, 2, false, false, 3, Theme.CmdName},  // the shortened base is at least 3
      {&esc, 8, false, false, 8, Theme.CmdName},  {&esc, 8, false, true, 9, Theme.HotName},  // 8.8
      {&esc, 8, true, false, 7, Theme.DownName},                                             // 7.2
      {&esc, 5, true, false, 4, Theme.DownName},                                             // 4.5: halves go to even
  };
  for (const Case& c : cases) {
    Theme.NameFontSize = static_cast<std::uint16_t>(c.nameSize);
    const auto texts = PaintIn(*c.key, c.pressed, c.hot);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Font.Size, c.size) << int(c.key->Code()) << " " << c.pressed << c.hot;
    EXPECT_EQ(texts[0].Font.Color, c.color);
    EXPECT_EQ(texts[0].Font.Name, Theme.NameFontName);
    EXPECT_EQ(texts[0].BrushStyle, TBrushStyle::Clear);
  }
  EXPECT_EQ(rig.Image().BrushStyle(), TBrushStyle::Solid);
}

TEST_F(LvBtnTest, LegendsAreBoldOnlyBelowTheLimits) {
  rig.Kb().SetKeyName(27, L"Esc");
  TLvBtn& esc = AddRect(27, 0, 0, 200, 30);
  TLvBtn& letter = AddRect(65, 0, 40, 200, 70);
  const TFontStyles bold(TFontStyle::Bold);
  struct Case {
    int ppi, nameSize, charSize;
    bool nameBold, charBold;
  };
  const Case cases[] = {
      {96, 13, 15, true, true},
      {96, 14, 16, false, false},
      {144, 8, 10, true, true},
      {144, 9, 11, false, false},  // limits 9 and 11 at 144 ppi
  };
  for (const Case& c : cases) {
    rig.desktop.Ppi = c.ppi;
    rig.Kb().Redraw(false);  // recomputes the limits
    Theme.NameFontSize = static_cast<std::uint16_t>(c.nameSize);
    Theme.CharFontSize = static_cast<std::uint16_t>(c.charSize);
    EXPECT_EQ(PaintIn(esc, false, false).at(0).Font.Style == bold, c.nameBold) << c.ppi;
    EXPECT_EQ(PaintIn(letter, false, false).at(0).Font.Style == bold, c.charBold) << c.ppi;
  }
}

TEST_F(LvBtnTest, WideNamesAreLeftAlignedNarrowOnesCentred) {
  TLvBtn& tab = AddRect(9, 0, 0, 60, 30);  // text rectangle 56 wide; 8 pixels per character
  struct Case {
    const wchar_t* name;
    TTextFormat format;
  };
  const Case cases[] = {{L"Backsp", tfCentredLegend}, {L"1234567", tfCentredLegend}, {L"Backspace", tfLeftLegend}};
  for (const Case& c : cases) {
    rig.Kb().SetKeyName(9, c.name);
    EXPECT_EQ(PaintIn(tab, false, false).at(0).Format, c.format) << c.name;
  }
}

TEST_F(LvBtnTest, GlyphKeysUseTheSymbolFontWhileNoKeyIsPressed) {
  rig.Kb().SetKeyName(8, L"Backsp");
  rig.Kb().SetKeyName(93, L"Menu");
  TLvBtn& back = AddRect(8, 0, 0, 60, 30);
  TLvBtn& apps = AddRect(93, 0, 40, 60, 70);

  auto text = PaintIn(back, false, false).at(0);
  EXPECT_EQ(text.Text, L"Backsp");  // no symbol font installed

  HasSegoeFluentIcons = true;
  text = PaintIn(back, false, false).at(0);
  EXPECT_EQ(text.Text, std::wstring(1, L'\uE750'));
  EXPECT_EQ(text.Font.Name, L"Segoe Fluent Icons");
  EXPECT_EQ(text.Font.Size, 8 + 3);
  EXPECT_TRUE(text.Font.Style.Empty());
  EXPECT_EQ(text.Format, tfCentredLegend);

  EXPECT_EQ(PaintIn(apps, false, false).at(0).Text, std::wstring(1, L'\uE115'));
  AddRect(160, 0, 80, 60, 110);
  rig.Kb().SetKeyPressed(160, true);  // a latched Shift
  EXPECT_EQ(PaintIn(apps, false, false).at(0).Text, L"Menu");
  rig.Kb().SetKeyPressed(160, false);
}

TEST_F(LvBtnTest, GlyphMissingFromTheSymbolFontFallsBackToTheName) {
  // Some installations' Wingdings lack the Backspace and Apps glyphs: an empty box would show.
  rig.Kb().SetKeyName(8, L"Backsp");
  TLvBtn& back = AddRect(8, 0, 0, 60, 30);
  TLvBtn& left = AddRect(37, 0, 40, 60, 70);
  HasWingdings = true;
  rig.Image().MissingGlyphs = {{L"Wingdings", L'\uF0D5'}};

  const auto name = PaintIn(back, false, false).at(0);
  EXPECT_EQ(name.Text, L"Backsp");
  EXPECT_EQ(name.Font.Name, Theme.NameFontName);
  EXPECT_EQ(name.Font.Size, 8);
  EXPECT_EQ(name.Font.Style, Theme.NameFontStyle);

  const auto arrow = PaintIn(left, false, false).at(0);  // the glyphs the font has still show
  EXPECT_EQ(arrow.Text, std::wstring(1, L'\uF0E7'));
  EXPECT_EQ(arrow.Font.Name, L"Wingdings");
  HasWingdings = false;
  rig.Image().MissingGlyphs.clear();
}

TEST_F(LvBtnTest, CharacterLegendComesFromTheLegendsWithCtrlAloneHidden) {
  TLvBtn& letter = AddRect(65, 0, 0, 60, 30);
  TLvBtn& space = AddRect(32, 0, 40, 200, 70);
  auto& state = rig.Kb().KeyState();

  const auto texts = PaintIn(letter, true, false);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, L"c65");
  EXPECT_EQ(texts[0].Font.Name, Theme.CharFontName);
  EXPECT_EQ(texts[0].Font.Size, 9);  // 10 x 0.9
  EXPECT_EQ(texts[0].Font.Color, Theme.DownChar);
  EXPECT_EQ(texts[0].Format, tfCentredLegend);
  EXPECT_TRUE(PaintIn(space, false, false).empty());  // the space bar has no legend

  struct Case {
    int ctrl, rightAlt, seen;
  };
  const Case cases[] = {{0x81, 0, 0}, {0x81, 0x81, 0x81}, {0, 0x81, 0}};
  for (const Case& c : cases) {
    rig.Kb().SetKeyStateByte(17, static_cast<std::uint8_t>(c.ctrl));
    rig.Kb().SetKeyStateByte(165, static_cast<std::uint8_t>(c.rightAlt));
    PaintIn(letter, false, false);
    EXPECT_EQ(rig.legends.CtrlSeen.back(), c.seen);
    EXPECT_EQ(state[17], c.ctrl);  // restored after the lookup
  }
}

}  // namespace
