#include "dialog/win32/button_image_list.h"

#include <cstring>
#include <vector>

TBitmapHandle ArgbDibSection(const TArgbImage& image) {
  const int size = image.Size();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // top-down, as the picture's rows run
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  TBitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  // 0xAARRGGBB in memory is B, G, R, A: the layout of a 32-bit BI_RGB pixel.
  std::memcpy(bits, image.Pixels().data(), image.Pixels().size() * sizeof(std::uint32_t));
  GdiFlush();
  return bitmap;
}

TBitmapHandle AlphaMask(const TArgbImage& image) {
  const int size = image.Size();
  const int stride = (size + 15) / 16 * 2;  // monochrome rows are word-aligned
  std::vector<BYTE> bits(static_cast<std::size_t>(stride) * size, 0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (AlphaOf(image.At(x, y)) < 128) bits[static_cast<std::size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
  return TBitmapHandle(CreateBitmap(size, size, 1, 1, bits.data()));
}

TImageList ButtonImageList(const TCommonControls& library, TButtonPicture picture, int size) {
  const TArgbImage image = DrawButtonPicture(picture, size);
  TImageList list = library.CreateImageList(size);
  if (!list) return {};
  const TBitmapHandle colors = ArgbDibSection(image);
  const TBitmapHandle mask = AlphaMask(image);
  // The list keeps copies of both bitmaps.
  if (!colors || !mask || library.AddImage(list.Get(), colors.Get(), mask.Get()) != 0) return {};
  return list;
}
