#pragma once
// DLLs of the system folder loaded only while a function of theirs is needed: the program imports
// none of them, so a process that never needs them never maps them (nor what they bring along).
#include <windows.h>

#include <string>

#include "platform/win32/win32_handles.h"

// The system folder (GetSystemDirectoryW); empty when the system cannot tell.
std::wstring SystemFolder();

// The DLL of that name in the system folder, loaded for as long as its owner lives; empty when it
// cannot be loaded.
TModuleHandle LoadSystemLibrary(const wchar_t* name);

// A function of a loaded DLL as a pointer of its own type; null when the DLL is not loaded or has
// no function of that name. The one way the program looks a system function up at run time.
template <typename TFunction>
TFunction ModuleFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
template <typename TFunction>
TFunction ModuleFunction(const TModuleHandle& module, const char* name) {
  return ModuleFunction<TFunction>(module.Get(), name);
}
