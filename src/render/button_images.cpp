#include "render/button_images.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Each picture is built for the size drawn, in pixel coordinates (y downwards), from a design
// on a 16 × 16 grid: u is one grid unit in pixels. Straight edges of lines and keys are put on
// whole pixels so that they stay sharp at every size; curves are antialiased.
using TShape = std::function<bool(double x, double y)>;

struct TLayer {
  std::uint32_t Rgb;  // 0xRRGGBB
  TShape Shape;
};

constexpr double Pi = 3.14159265358979323846;

TShape Rect(double x0, double y0, double x1, double y1) {
  return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

TShape RoundRect(double x0, double y0, double x1, double y1, double r) {
  return [=](double x, double y) {
    if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
    const double dx = std::max({x0 + r - x, 0.0, x - (x1 - r)});
    const double dy = std::max({y0 + r - y, 0.0, y - (y1 - r)});
    return dx * dx + dy * dy <= r * r;
  };
}

TShape Disc(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

// A circular band of the given half width, limited to the angles from -> to (degrees, measured
// clockwise on screen from the right, from < to).
TShape Arc(double cx, double cy, double r, double halfWidth, double from, double to) {
  return [=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    if (std::fabs(d - r) > halfWidth) return false;
    double a = std::atan2(y - cy, x - cx) * 180 / Pi;
    while (a < from) a += 360;
    return a <= to;
  };
}

// The outline of an ellipse, about 2 × halfWidth thick.
TShape EllipseLine(double cx, double cy, double rx, double ry, double halfWidth) {
  return [=](double x, double y) {
    const double nx = (x - cx) / rx, ny = (y - cy) / ry;
    const double f = std::sqrt(nx * nx + ny * ny);
    // Distance to the outline, to first order: the level difference over the gradient's length.
    const double g = std::hypot(nx / rx, ny / ry);
    return g > 0 && std::fabs(f - 1) * f / g <= halfWidth;
  };
}

TShape Both(TShape a, TShape b) {
  return [=](double x, double y) { return a(x, y) && b(x, y); };
}

// Whole pixels: a length of at least one pixel, and the start of a span of width w centred on c.
int Pixels(double v) { return std::max(1, static_cast<int>(std::lround(v))); }
double SpanStart(double c, int w) { return std::floor(c - w / 2.0 + 0.5); }

std::vector<TLayer> KeyboardLayers(int size) {
  const double u = size / 16.0;
  const int key = Pixels(2 * u), gap = std::max(1, static_cast<int>(u)), margin = gap;
  const int width = 5 * key + 4 * gap + 2 * margin, height = 3 * key + 2 * gap + 2 * margin;
  const int left = (size - width) / 2, top = (size - height) / 2;
  std::vector<TLayer> layers;
  layers.push_back({0x2E3A46, RoundRect(left, top, left + width, top + height, 1.5 * margin)});
  const std::uint32_t face = 0xF2F5F8;
  auto keyAt = [&](int col, int row, int cols) {
    const int x = left + margin + col * (key + gap), y = top + margin + row * (key + gap);
    return TLayer{face, Rect(x, y, x + cols * key + (cols - 1) * gap, y + key)};
  };
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 5; ++col) layers.push_back(keyAt(col, row, 1));
  layers.push_back(keyAt(0, 2, 1));
  layers.push_back(keyAt(1, 2, 3));  // the space bar
  layers.push_back(keyAt(4, 2, 1));
  return layers;
}

// The round sign the other pictures sit on: a darker rim around the face.
std::vector<TLayer> SignDisc(int size, std::uint32_t rim, std::uint32_t face) {
  const double c = size / 2.0, u = size / 16.0;
  return {{rim, Disc(c, c, c)}, {face, Disc(c, c, c - std::max(1.0, u))}};
}

std::vector<TLayer> InformationLayers(int size) {
  const double u = size / 16.0;
  std::vector<TLayer> layers = SignDisc(size, 0x0F4C9C, 0x1F74D6);
  const int stem = Pixels(2 * u);
  const double x0 = SpanStart(size / 2.0, stem);
  layers.push_back({0xFFFFFF, Disc(x0 + stem / 2.0, 3.9 * u, 1.1 * u)});
  layers.push_back({0xFFFFFF, Rect(x0, std::round(6.2 * u), x0 + stem, std::round(12.5 * u))});
  return layers;
}

std::vector<TLayer> QuestionMarkLayers(int size) {
  const double u = size / 16.0;
  std::vector<TLayer> layers = SignDisc(size, 0x11653C, 0x1E9454);
  const int stem = Pixels(2 * u);
  const double x0 = SpanStart(size / 2.0, stem), cx = x0 + stem / 2.0;
  layers.push_back({0xFFFFFF, Arc(cx, 6 * u, 3 * u, u, -195, 90)});
  layers.push_back({0xFFFFFF, Rect(x0, 8 * u, x0 + stem, std::round(10.5 * u))});
  layers.push_back({0xFFFFFF, Disc(cx, 12.6 * u, 1.2 * u)});
  return layers;
}

std::vector<TLayer> GlobeLayers(int size) {
  const double u = size / 16.0, c = size / 2.0;
  std::vector<TLayer> layers = SignDisc(size, 0x135A9E, 0x2F86D8);
  const TShape inside = Disc(c, c, c - std::max(1.0, u));
  const std::uint32_t line = 0xE6F2FF;
  const int w = Pixels(u);
  auto across = [&](double y) {  // a parallel (or the equator)
    const double y0 = SpanStart(y, w);
    return TLayer{line, Both(inside, Rect(0, y0, size, y0 + w))};
  };
  const double mx = SpanStart(c, w);
  layers.push_back(across(c));
  if (size >= 20) {  // at the smallest size the parallels would hide the meridians
    layers.push_back(across(c - 4 * u));
    layers.push_back(across(c + 4 * u));
  }
  layers.push_back({line, Both(inside, Rect(mx, 0, mx + w, size))});  // the central meridian
  layers.push_back({line, Both(inside, EllipseLine(mx + w / 2.0, c, std::round(3.6 * u), 7 * u, w / 2.0))});
  return layers;
}

std::vector<TLayer> LayersOf(TButtonPicture picture, int size) {
  switch (picture) {
    case TButtonPicture::Keyboard: return KeyboardLayers(size);
    case TButtonPicture::Information: return InformationLayers(size);
    case TButtonPicture::QuestionMark: return QuestionMarkLayers(size);
    case TButtonPicture::Globe: return GlobeLayers(size);
  }
  return {};
}

}  // namespace

TArgbImage::TArgbImage(int size) : FSize(std::max(size, 0)), FPixels(static_cast<std::size_t>(FSize) * FSize, 0u) {}

// Each pixel is sampled on an 8 × 8 grid; a sample takes the colour of the topmost layer that
// covers it. The pixel's alpha is the share of covered samples and its colour their average.
TArgbImage DrawButtonPicture(TButtonPicture picture, int size) {
  size = std::max(size, 1);
  const std::vector<TLayer> layers = LayersOf(picture, size);
  constexpr int Grid = 8;
  TArgbImage image(size);
  for (int py = 0; py < size; ++py)
    for (int px = 0; px < size; ++px) {
      int covered = 0;
      unsigned r = 0, g = 0, b = 0;
      for (int sy = 0; sy < Grid; ++sy)
        for (int sx = 0; sx < Grid; ++sx) {
          const double x = px + (sx + 0.5) / Grid;
          const double y = py + (sy + 0.5) / Grid;
          for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer)
            if (layer->Shape(x, y)) {
              ++covered;
              r += (layer->Rgb >> 16) & 0xFF;
              g += (layer->Rgb >> 8) & 0xFF;
              b += layer->Rgb & 0xFF;
              break;
            }
        }
      if (covered == 0) continue;
      const unsigned a = (covered * 255u + Grid * Grid / 2) / (Grid * Grid);
      const auto avg = [covered](unsigned sum) { return (sum + covered / 2) / covered; };
      image.Set(px, py, (a << 24) | (avg(r) << 16) | (avg(g) << 8) | avg(b));
    }
  return image;
}
