#include "platform/win32/system_library.h"

#include <string>

#include "platform/text_helpers.h"

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH] = L"";
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(folder, length);
}

TModuleHandle LoadSystemLibrary(const wchar_t* name) {
  // A full path, so that a DLL of that name beside the program (or in the current folder) is
  // never taken instead.
  const std::wstring folder = SystemFolder();
  if (folder.empty()) return TModuleHandle();
  return TModuleHandle(LoadLibraryW(PathCombine(folder, name).c_str()));
}
