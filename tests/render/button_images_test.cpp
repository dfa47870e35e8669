#include "render/button_images.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const TButtonPicture Pictures[] = {TButtonPicture::Keyboard, TButtonPicture::Information, TButtonPicture::QuestionMark,
                                   TButtonPicture::Globe};

// The pixel at (x, y) on the 16-unit design grid.
std::uint32_t AtUnits(const TArgbImage& image, double x, double y) {
  const double u = image.Size() / 16.0;
  return image.At(static_cast<int>(x * u), static_cast<int>(y * u));
}

bool IsWhitish(std::uint32_t p) {
  return AlphaOf(p) == 255 && ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) > 200 && (p & 0xFF) > 200;
}
bool IsOpaqueColoured(std::uint32_t p) { return AlphaOf(p) == 255 && !IsWhitish(p); }

}  // namespace

TEST(ButtonImages, EverySizeHasTransparentCornersAndAntialiasedEdges) {
  for (TButtonPicture picture : Pictures)
    for (int size : {16, 24, 32}) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(picture) << " at " << size);
      const TArgbImage image = DrawButtonPicture(picture, size);
      ASSERT_EQ(image.Size(), size);
      ASSERT_EQ(image.Pixels().size(), static_cast<size_t>(size * size));
      for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
        EXPECT_EQ(image.At(x, y), 0u) << x << "," << y;
      int opaque = 0, partial = 0;
      for (std::uint32_t p : image.Pixels()) {
        opaque += AlphaOf(p) == 255;
        partial += AlphaOf(p) > 0 && AlphaOf(p) < 255;
        if (AlphaOf(p) == 0) {
          EXPECT_EQ(p, 0u);  // transparent pixels carry no colour
        }
      }
      EXPECT_GT(opaque, size * size / 3);
      EXPECT_GT(partial, 0);
    }
}

TEST(ButtonImages, GlyphsWhereTheyBelongAtEverySize) {
  // (x, y) on the 16-unit grid and what is there.
  enum What { Clear, Coloured, White };
  const struct {
    TButtonPicture Picture;
    double X, Y;
    What Expected;
  } cases[] = {
      // keyboard: a dark body with light keys in three rows, a space bar, nothing above or below
      {TButtonPicture::Keyboard, 8, 1, Clear},
      {TButtonPicture::Keyboard, 8, 15, Clear},
      {TButtonPicture::Keyboard, 2, 5, White},
      {TButtonPicture::Keyboard, 3.5, 5, Coloured},  // between two keys
      {TButtonPicture::Keyboard, 13.5, 8, White},
      {TButtonPicture::Keyboard, 8, 11, White},      // the space bar
      {TButtonPicture::Keyboard, 8, 9.2, Coloured},  // above it
      // information sign: a coloured disc with a white dot over a white stem
      {TButtonPicture::Information, 8, 9, White},
      {TButtonPicture::Information, 8, 4, White},
      {TButtonPicture::Information, 8, 14, Coloured},
      {TButtonPicture::Information, 4, 8, Coloured},
      {TButtonPicture::Information, 12, 8, Coloured},
      // question mark: the hook's top and right side, the stem and the dot, open lower left
      {TButtonPicture::QuestionMark, 8, 3, White},
      {TButtonPicture::QuestionMark, 11, 6, White},
      {TButtonPicture::QuestionMark, 8, 9.5, White},
      {TButtonPicture::QuestionMark, 8, 12.6, White},
      {TButtonPicture::QuestionMark, 5, 9, Coloured},
      {TButtonPicture::QuestionMark, 8, 6, Coloured},     // inside the hook
      {TButtonPicture::QuestionMark, 8, 11.2, Coloured},  // between stem and dot
      // globe: the equator and the central meridian light, the sea coloured between them
      {TButtonPicture::Globe, 3, 8.3, White},
      {TButtonPicture::Globe, 8.3, 2.5, White},
      {TButtonPicture::Globe, 6.3, 6.3, Coloured},
      {TButtonPicture::Globe, 10.2, 10.2, Coloured},
  };
  for (int size : {16, 24, 32}) {
    std::map<TButtonPicture, TArgbImage> drawn;
    for (TButtonPicture picture : Pictures) drawn.emplace(picture, DrawButtonPicture(picture, size));
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(c.Picture) << " at " << size << ": " << c.X << "," << c.Y);
      const std::uint32_t p = AtUnits(drawn.at(c.Picture), c.X, c.Y);
      if (c.Expected == Clear) {
        EXPECT_EQ(AlphaOf(p), 0);
      } else if (c.Expected == Coloured) {
        EXPECT_TRUE(IsOpaqueColoured(p)) << std::hex << p;
      } else {
        EXPECT_TRUE(IsWhitish(p)) << std::hex << p;
      }
    }
  }
}

TEST(ButtonImages, PicturesDifferFromEachOther) {
  for (int size : {16, 24, 32}) {
    std::map<TButtonPicture, TArgbImage> drawn;
    for (TButtonPicture picture : Pictures) drawn.emplace(picture, DrawButtonPicture(picture, size));
    for (TButtonPicture a : Pictures)
      for (TButtonPicture b : Pictures) {
        if (a == b) continue;
        const auto& pa = drawn.at(a).Pixels();
        const auto& pb = drawn.at(b).Pixels();
        int differing = 0;
        for (size_t i = 0; i < pa.size(); ++i) differing += pa[i] != pb[i];
        EXPECT_GT(differing, size * size / 10) << static_cast<int>(a) << " " << static_cast<int>(b) << " " << size;
      }
  }
}

TEST(ButtonImages, OddSizesAreDrawnToo) {
  EXPECT_EQ(DrawButtonPicture(TButtonPicture::Globe, 1).Size(), 1);
  EXPECT_EQ(DrawButtonPicture(TButtonPicture::Globe, 0).Size(), 1);
  const TArgbImage big = DrawButtonPicture(TButtonPicture::Information, 48);
  EXPECT_TRUE(IsWhitish(AtUnits(big, 8, 9)));
}
