#pragma once
// The settings dialog's button pictures as Windows image lists: each picture drawn by the program
// becomes a 32-bit DIB section with its alpha plus a mask, in an image list of its own.
#include <windows.h>

#include "dialog/win32/common_controls.h"
#include "platform/win32/win32_handles.h"
#include "render/button_images.h"

// A top-down 32-bit DIB section holding the image's pixels, alpha straight as drawn.
TBitmapHandle ArgbDibSection(const TArgbImage& image);

// A 1-bit mask of the image: set (transparent) where its alpha is below half.
TBitmapHandle AlphaMask(const TArgbImage& image);

// An image list of size × size 32-bit images with alpha holding only the picture, as a button
// takes it (BCM_SETIMAGELIST uses one image for every state), made by the common controls
// library, which must outlive it. Empty when the system refuses.
TImageList ButtonImageList(const TCommonControls& library, TButtonPicture picture, int size);
