#pragma once
// The pictures of the settings dialog's buttons, drawn by the program at any size: a keyboard,
// an "i" information sign in a circle, a question mark in a circle and a globe.
#include <cstdint>
#include <vector>

// The pictures, numbered as in the dialog's image lists (1, a star, is not drawn).
enum class TButtonPicture { Keyboard = 0, Information = 2, QuestionMark = 3, Globe = 4 };

// A square 32-bit image with straight (not premultiplied) alpha. Each pixel is 0xAARRGGBB; rows
// run top to bottom, so the buffer is laid out like a top-down 32-bit BI_RGB DIB (bytes B, G, R,
// A). Transparent pixels are 0.
class TArgbImage {
 public:
  explicit TArgbImage(int size);
  int Size() const { return FSize; }
  std::uint32_t At(int x, int y) const { return FPixels[static_cast<std::size_t>(y) * FSize + x]; }
  void Set(int x, int y, std::uint32_t argb) { FPixels[static_cast<std::size_t>(y) * FSize + x] = argb; }
  const std::vector<std::uint32_t>& Pixels() const { return FPixels; }

 private:
  int FSize;
  std::vector<std::uint32_t> FPixels;
};

constexpr std::uint8_t AlphaOf(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 24); }

// Draws a picture size × size pixels (at least 1), antialiased. Designed for 16, 24 and 32.
TArgbImage DrawButtonPicture(TButtonPicture picture, int size);
