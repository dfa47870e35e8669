#include "platform/win32/system_library.h"

#include <string>

TModuleHandle LoadSystemLibrary(const wchar_t* name) {
  // A full path, so that a DLL of that name beside the program (or in the current folder) is
  // never taken instead.
  wchar_t folder[MAX_PATH] = L"";
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TModuleHandle();
  std::wstring path(folder, length);
  if (path.back() != L'\\') path += L'\\';
  path += name;
  return TModuleHandle(LoadLibraryW(path.c_str()));
}
