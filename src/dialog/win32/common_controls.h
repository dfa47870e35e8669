#pragma once
// The common controls library (comctl32), which only the settings dialog uses: the dialog loads it
// when it is made, the first time it is opened, so that a keyboard that never opens it goes without
// (under Wine it takes tens of milliseconds to load and holds some 3 MiB: the library, the pictures
// it loads when it starts, and what its start-up allocates).
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/win32_handles.h"

// An image list, destroyed with the library's ImageList_Destroy; the library must outlive it.
struct TImageListDestroyer {
  BOOL(WINAPI* Destroy)(HIMAGELIST) = nullptr;
  void operator()(HIMAGELIST list) const {
    if (Destroy) Destroy(list);
  }
};
using TImageList = TUniqueHandle<HIMAGELIST, TImageListDestroyer>;

class TCommonControls {
 public:
  // Loads the library, in the version the program's manifest names, and registers the classes of
  // the track bars and of the standard controls. Not loaded when the system refuses.
  TCommonControls();
  TCommonControls(const TCommonControls&) = delete;
  TCommonControls& operator=(const TCommonControls&) = delete;

  explicit operator bool() const { return FLoaded; }
  // An empty list for size × size 32-bit pictures with a mask; empty when the library refuses.
  TImageList CreateImageList(int size) const;
  // Adds a picture (its colours and its mask, which the list copies): the picture's index in the
  // list, -1 when refused.
  int AddImage(HIMAGELIST list, HBITMAP colors, HBITMAP mask) const;

 private:
  TModuleHandle FLibrary;
  bool FLoaded = false;
  decltype(&ImageList_Create) FCreate = nullptr;
  decltype(&ImageList_Add) FAdd = nullptr;
  decltype(&ImageList_Destroy) FDestroy = nullptr;
};
