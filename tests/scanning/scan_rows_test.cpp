// The rows of switch scanning, found from where the keys are drawn.
#include "scanning/scan_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <utility>

#include "input/hover_press.h"
#include "keyboard/builtin_layouts.h"
#include "keyboard/keyboard_rig.h"

namespace {

// The row of each (code, part) item; a second item of the same key counts as its next part.
std::map<std::pair<int, int>, int> RowOfItems(const TScanRows& rows) {
  std::map<std::pair<int, int>, int> rowOf;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r)
    for (const TScanItem& item : rows[r]) {
      int part = 0;
      while (rowOf.count({item.Code, part})) ++part;
      rowOf[{item.Code, part}] = r;
    }
  return rowOf;
}

// The parts of an outline that have points (a separator may come first).
int PartCount(const std::vector<TPoint>& points) {
  if (points.size() == 2) return 1;
  int parts = 0, run = 0;
  for (const TPoint& p : points) {
    if (p == TLvBtn::Separator) {
      parts += run >= 2;
      run = 0;
    } else {
      ++run;
    }
  }
  return parts + (run >= 2);
}

void ExpectWellFormed(const TLvKeyboard& kb, const TScanRows& rows, const std::string& what) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    ASSERT_FALSE(rows[r].empty()) << what;
    for (std::size_t i = 0; i < rows[r].size(); ++i) {
      const TScanItem& item = rows[r][i];
      // A click at the item's point presses that key.
      EXPECT_EQ(kb.KeyAt(item.Point.x, item.Point.y), item.Code) << what << " code " << int(item.Code);
      if (i > 0) {
        EXPECT_LE(rows[r][i - 1].Bounds.Left, item.Bounds.Left) << what << " row " << r;
      }
    }
    if (r == 0) continue;
    // Top to bottom: every key of a row starts below every key of the row above.
    int lowestAbove = std::numeric_limits<int>::min();
    int highestHere = std::numeric_limits<int>::max();
    for (const TScanItem& item : rows[r - 1]) lowestAbove = std::max(lowestAbove, item.Bounds.Top);
    for (const TScanItem& item : rows[r]) highestHere = std::min(highestHere, item.Bounds.Top);
    EXPECT_LT(lowestAbove, highestHere) << what << " rows " << r - 1 << " and " << r;
  }
}

class BuiltinScanRowsTest : public ::testing::TestWithParam<int> {};

TEST_P(BuiltinScanRowsTest, EveryKeyInExactlyOneRowTopToBottom) {
  for (const bool scaled : {false, true}) {
    TKeyboardRig rig;
    rig.LoadActive(GetParam());
    if (scaled) {
      rig.Kb().SetImageSize(rig.Kb().DesignWidth() * 7 / 4, rig.Kb().DesignHeight() * 3 / 2);
      rig.Kb().ScaleKeys();
    }
    const std::string what = "layout " + std::to_string(GetParam()) + (scaled ? " scaled" : "");
    const TScanRows rows = ComputeScanRows(rig.Kb());
    ASSERT_GE(rows.size(), 4u) << what;
    ExpectWellFormed(rig.Kb(), rows, what);

    // Each part of every drawn key is in exactly one row.
    const auto rowOf = RowOfItems(rows);
    std::size_t parts = 0;
    for (int code = 1; code <= 255; ++code) {
      const TLvBtn* key = rig.Kb().Key(code);
      if (!key || !key->Drawn()) continue;
      const int keyParts = PartCount(key->PlaceKey()->Points());
      parts += keyParts;
      for (int part = 0; part <= keyParts; ++part)
        EXPECT_EQ(rowOf.count({code, part}), part < keyParts ? 1u : 0u) << what << " code " << code;
    }
    EXPECT_EQ(rowOf.size(), parts) << what;

    // The rows of letters and of the numeric pad, in their order, each row whole.
    auto row = [&](int code) { return rowOf.at({code, 0}); };
    auto has = [&](int code) { return rowOf.count({code, 0}) == 1; };
    for (const std::vector<int>& column : {std::vector<int>{'Q', 'A', 'Z', ' '}, {103, 100, 97, 96}}) {
      if (!has(column[0])) continue;
      for (std::size_t i = 1; i < column.size(); ++i) EXPECT_LT(row(column[i - 1]), row(column[i])) << what;
    }
    for (const auto& [left, right] :
         {std::pair<int, int>{'Q', 'P'}, {'A', 'L'}, {'Z', 'M'}, {103, 105}, {100, 102}, {97, 99}})
      if (has(left)) {
        EXPECT_EQ(row(left), row(right)) << what << " " << left;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BuiltinScanRowsTest, ::testing::Range(1, LayoutCount + 1));

TEST(ScanRows, TallKeysJoinTheRowOfTheirTopAndEachPartIsAnItem) {
  TKeyboardRig rig;
  TLvKeyboard& kb = rig.Kb();
  kb.ClearKeys();
  kb.AddKey('Q', {{0, 0}, {29, 29}});
  kb.AddKey('W', {{30, 0}, {59, 29}});
  // A two-row Enter: wide on the top row, narrow below.
  kb.AddKey(13, {{60, 0}, {100, 0}, {100, 60}, {70, 60}, {70, 30}, {60, 30}});
  kb.AddKey('A', {{0, 30}, {29, 59}});
  kb.AddKey('S', {{30, 30}, {59, 59}});
  // One key in two parts: beside Enter on the top row, and at the start of a third row.
  kb.AddKey(107, {{101, 0}, {130, 0}, {130, 29}, {101, 29}, TLvBtn::Separator, {0, 60}, {40, 60}, {40, 89}, {0, 89}});
  // A key wholly under one of a lower code: no click reaches it.
  kb.AddKey(200, {{0, 0}, {29, 29}});

  const TScanRows rows = ComputeScanRows(kb);
  ExpectWellFormed(kb, rows, "fixture");
  auto codes = [&](std::size_t r) {
    std::vector<int> c;
    for (const TScanItem& item : rows[r]) c.push_back(item.Code);
    return c;
  };
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(codes(0), (std::vector<int>{'Q', 'W', 13, 107}));
  EXPECT_EQ(codes(1), (std::vector<int>{'A', 'S'}));
  EXPECT_EQ(codes(2), (std::vector<int>{107}));
}

TEST(ScanRows, NoKeysNoRows) {
  TKeyboardRig rig;
  EXPECT_TRUE(ComputeScanRows(rig.Kb()).empty());
}

}  // namespace
