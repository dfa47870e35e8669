#pragma once
// The settings dialog's button pictures as Windows image lists: each picture drawn by the program
// becomes a 32-bit DIB section with its alpha plus a mask, in an image list of its own.
#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "render/button_images.h"
#include "render/win32/gdi_handles.h"

// An image list, destroyed with ImageList_Destroy.
class TImageList {
 public:
  TImageList() = default;
  explicit TImageList(HIMAGELIST list) : list_(list) {}
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;
  TImageList(TImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  TImageList& operator=(TImageList&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.list_, nullptr));
    return *this;
  }
  ~TImageList() { Reset(); }

  HIMAGELIST Get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  void Reset(HIMAGELIST list = nullptr) {
    if (list_) ImageList_Destroy(list_);
    list_ = list;
  }

 private:
  HIMAGELIST list_ = nullptr;
};

// A top-down 32-bit DIB section holding the image's pixels, alpha straight as drawn.
TBitmapHandle ArgbDibSection(const TArgbImage& image);

// A 1-bit mask of the image: set (transparent) where its alpha is below half.
TBitmapHandle AlphaMask(const TArgbImage& image);

// An image list of size × size 32-bit images with alpha holding only the picture, as a button
// takes it (BCM_SETIMAGELIST uses one image for every state). Empty when the system refuses.
TImageList ButtonImageList(TButtonPicture picture, int size);
