#include "dialog/win32/common_controls.h"

#include "platform/win32/system_library.h"

TCommonControls::TCommonControls()
    // By its bare name, as an import would be found: the program's manifest then gives version 6.
    : FLibrary(LoadLibraryW(L"comctl32.dll")) {
  const auto init = ModuleFunction<decltype(&InitCommonControlsEx)>(FLibrary, "InitCommonControlsEx");
  FCreate = ModuleFunction<decltype(&ImageList_Create)>(FLibrary, "ImageList_Create");
  FAdd = ModuleFunction<decltype(&ImageList_Add)>(FLibrary, "ImageList_Add");
  FDestroy = ModuleFunction<decltype(&ImageList_Destroy)>(FLibrary, "ImageList_Destroy");
  FLoaded = init && FCreate && FAdd && FDestroy;
  if (!FLoaded) return;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  init(&icc);
}

TImageList TCommonControls::CreateImageList(int size) const {
  if (!FLoaded) return {};
  return TImageList(FCreate(size, size, ILC_COLOR32 | ILC_MASK, 1, 0), TImageListDestroyer{FDestroy});
}

int TCommonControls::AddImage(HIMAGELIST list, HBITMAP colors, HBITMAP mask) const {
  return FLoaded ? FAdd(list, colors, mask) : -1;
}
