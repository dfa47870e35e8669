#include "fakes/fake_canvas.h"

#include <gtest/gtest.h>

// The fake canvas is what the key drawing tests read; it must record the settings in force at
// the time of each operation, not the latest ones.
TEST(FakeCanvas, RecordsEachOperationWithTheSettingsOfItsTime) {
  FakeCanvas canvas;
  canvas.SetPenColor(0x111111);
  canvas.SetBrushColor(0x222222);
  canvas.Rectangle(TRect{0, 0, 61, 31});
  canvas.SetPenColor(0x333333);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.Polygon({{0, 60}, {60, 60}, {60, 0}, {0, 0}});
  canvas.SetBrushStyle(TBrushStyle::Solid);
  canvas.FillRect(TRect{1, 2, 3, 4});

  const auto& ops = canvas.Ops();
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].Kind, FakeOpKind::Rectangle);
  EXPECT_EQ(ops[0].PenColor, 0x111111u);
  EXPECT_EQ(ops[0].BrushColor, 0x222222u);
  EXPECT_EQ(ops[0].Rect, (TRect{0, 0, 61, 31}));
  EXPECT_EQ(ops[1].Kind, FakeOpKind::Polygon);
  EXPECT_EQ(ops[1].PenColor, 0x333333u);
  EXPECT_EQ(ops[1].BrushStyle, TBrushStyle::Clear);
  EXPECT_EQ(ops[1].Points.size(), 4u);
  EXPECT_EQ(ops[2].Kind, FakeOpKind::FillRect);
  EXPECT_EQ(ops[2].BrushStyle, TBrushStyle::Solid);
  EXPECT_EQ(canvas.OpsOf(FakeOpKind::Polygon).size(), 1u);
}

TEST(FakeCanvas, MeasuresTextByTheFontSizeUnlessReplaced) {
  FakeCanvas canvas;
  canvas.SetFontSize(8);
  EXPECT_EQ(canvas.TextWidth(L"Home"), 32);
  EXPECT_EQ(canvas.TextHeight(L"Home"), 16);
  canvas.Measure = [](const FakeFont&, const std::wstring& t) { return TTextSize{static_cast<int>(t.size()) * 5, 7}; };
  EXPECT_EQ(canvas.TextWidth(L"Home"), 20);
}

TEST(FakeSurface, CopiesRecordTheSourceAndItsSize) {
  FakeSurfaceFactory factory;
  auto back = factory.CreateSurface();
  auto image = factory.CreateSurface();
  back->SetSize(300, 100);
  image->SetSize(300, 100);
  image->Canvas().Draw(0, 0, *back);
  image->Canvas().Draw(5, 7, *back);

  ASSERT_EQ(factory.Created().size(), 2u);
  const auto draws = factory.Created()[1]->Fake().OpsOf(FakeOpKind::Draw);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].Source, back.get());
  EXPECT_EQ(draws[0].SourceWidth, 300);
  EXPECT_EQ(draws[0].SourceHeight, 100);
  EXPECT_EQ(draws[1].X, 5);
  EXPECT_EQ(draws[1].Y, 7);
}
