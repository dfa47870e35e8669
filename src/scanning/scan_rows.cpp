#include "scanning/scan_rows.h"

#include <algorithm>

#include "keyboard/lv_keyboard.h"
#include "render/lv_btn.h"

namespace {

// One part of a key's outline, on its way into a row.
struct TPart {
  TScanItem Item;
  std::vector<TPoint> Points;
  int Band = 0;  // the vertical position that decides the row
};

std::vector<std::vector<TPoint>> SplitParts(const std::vector<TPoint>& points) {
  if (points.size() == 2) return {points};
  std::vector<std::vector<TPoint>> parts(1);
  for (const TPoint& p : points) {
    if (p == TLvBtn::Separator) {
      parts.emplace_back();
      continue;
    }
    parts.back().push_back(p);
  }
  parts.erase(
      std::remove_if(parts.begin(), parts.end(), [](const std::vector<TPoint>& part) { return part.size() < 2; }),
      parts.end());
  return parts;
}

TRect BoundsOf(const std::vector<TPoint>& points) {
  TRect r{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const TPoint& p : points) {
    r.Left = std::min(r.Left, p.x);
    r.Top = std::min(r.Top, p.y);
    r.Right = std::max(r.Right, p.x);
    r.Bottom = std::max(r.Bottom, p.y);
  }
  ++r.Right;
  ++r.Bottom;
  return r;
}

// A point of the part where a click reaches the key, as near to (x, y) as a coarse search finds;
// false when there is none.
bool FindClickPoint(const TLvKeyboard& keyboard, std::uint8_t code, const TPart& part, int x, int y, TPoint& point) {
  const TRect& b = part.Item.Bounds;
  const int stepX = std::max(1, b.Width() / 8);
  const int stepY = std::max(1, b.Height() / 8);
  auto reaches = [&](int px, int py) {
    return px >= b.Left && px < b.Right && py >= b.Top && py < b.Bottom &&
           TLvBtn::PointInOutline(part.Points, px, py) && keyboard.KeyAt(px, py) == code;
  };
  for (int dy = 0; dy <= b.Height(); dy += stepY)
    for (int py : {y + dy, y - dy})
      for (int dx = 0; dx <= b.Width(); dx += stepX)
        for (int px : {x + dx, x - dx})
          if (reaches(px, py)) {
            point = {px, py};
            return true;
          }
  return false;
}

}  // namespace

TScanRows ComputeScanRows(const TLvKeyboard& keyboard) {
  std::vector<TPart> parts;
  for (int code = 1; code <= 255; ++code) {
    const TLvBtn* key = keyboard.Key(code);
    if (!key || !key->Drawn()) continue;
    for (std::vector<TPoint>& points : SplitParts(key->PlaceKey()->Points())) {
      TPart part;
      part.Item.Code = static_cast<std::uint8_t>(code);
      part.Item.Bounds = BoundsOf(points);
      part.Points = std::move(points);
      parts.push_back(std::move(part));
    }
  }
  if (parts.empty()) return {};

  // The usual key height: the median of the parts' heights.
  std::vector<int> heights;
  for (const TPart& part : parts) heights.push_back(part.Item.Bounds.Height());
  std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
  const int usual = std::max(1, heights[heights.size() / 2]);

  std::vector<TPart> reachable;
  for (TPart& part : parts) {
    const TRect& b = part.Item.Bounds;
    part.Band = b.Top + std::min(b.Height(), usual) / 2;
    if (FindClickPoint(keyboard, part.Item.Code, part, b.Left + b.Width() / 2, part.Band, part.Item.Point))
      reachable.push_back(std::move(part));
  }

  std::stable_sort(reachable.begin(), reachable.end(), [](const TPart& a, const TPart& b) { return a.Band < b.Band; });
  TScanRows rows;
  int rowBand = 0;
  for (const TPart& part : reachable) {
    if (rows.empty() || part.Band - rowBand > usual / 2) {
      rows.emplace_back();
      rowBand = part.Band;
    }
    rows.back().push_back(part.Item);
  }
  for (TScanRow& row : rows)
    std::stable_sort(row.begin(), row.end(),
                     [](const TScanItem& a, const TScanItem& b) { return a.Bounds.Left < b.Bounds.Left; });
  return rows;
}

std::vector<int> ScanRowSizes(const TScanRows& rows) {
  std::vector<int> sizes;
  for (const TScanRow& row : rows) sizes.push_back(static_cast<int>(row.size()));
  return sizes;
}
