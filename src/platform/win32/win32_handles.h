#pragma once
// One owner for every Windows handle the program opens: TUniqueHandle, move-only, closes its
// handle with the closer it was given when it goes or is reset. What counts as "no handle" is the
// handle kind's policy: null for most, INVALID_HANDLE_VALUE for what CreateFileW and
// FindFirstFileW return, so that a failed call is handed over as it is and is never closed.
#include <windows.h>

#include <utility>

// Most functions that make a handle return null when they fail.
template <typename THandle>
struct TNullHandlePolicy {
  static THandle Empty() { return THandle(); }
  static bool IsValid(THandle handle) { return handle != THandle(); }
};

// CreateFileW and FindFirstFileW fail with INVALID_HANDLE_VALUE; a null is no handle either.
struct TInvalidValueHandlePolicy {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
};

template <typename THandle, typename TCloser, typename TPolicy = TNullHandlePolicy<THandle>>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(THandle handle, TCloser closer = TCloser()) : FHandle(handle), FCloser(std::move(closer)) {}
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(other.Release()), FCloser(std::move(other.FCloser)) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset(other.Release());
      FCloser = std::move(other.FCloser);
    }
    return *this;
  }
  ~TUniqueHandle() { Reset(); }

  THandle Get() const { return FHandle; }
  explicit operator bool() const { return TPolicy::IsValid(FHandle); }
  // Closes the handle held and takes handle over.
  void Reset(THandle handle = TPolicy::Empty()) {
    if (TPolicy::IsValid(FHandle)) FCloser(FHandle);
    FHandle = handle;
  }
  // Gives the handle up without closing it: the caller owns it now, the owner is empty.
  THandle Release() { return std::exchange(FHandle, TPolicy::Empty()); }
  // Empties the owner and hands out the address of its handle, for functions that return a
  // handle through an argument (RegOpenKeyExW).
  THandle* Receive() {
    Reset();
    return &FHandle;
  }

 private:
  THandle FHandle = TPolicy::Empty();
  TCloser FCloser = TCloser();
};

// A pen, brush, font or bitmap. It must no longer be selected into a device context when it is
// deleted; the canvases select the originals back first.
struct TGdiObjectCloser {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using TPenHandle = TUniqueHandle<HPEN, TGdiObjectCloser>;
using TBrushHandle = TUniqueHandle<HBRUSH, TGdiObjectCloser>;
using TFontHandle = TUniqueHandle<HFONT, TGdiObjectCloser>;
using TBitmapHandle = TUniqueHandle<HBITMAP, TGdiObjectCloser>;
using TRegionHandle = TUniqueHandle<HRGN, TGdiObjectCloser>;

// A GDI object selected into a device context: the object the context had before is selected
// back when the scope ends (or at Restore), so that an owned pen, brush, font or bitmap is never
// deleted while selected. Select puts in another object of the same kind and keeps the first
// original to go back to.
class TSelectedObject {
 public:
  TSelectedObject() = default;
  TSelectedObject(HDC dc, HGDIOBJ object) { Select(dc, object); }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;
  ~TSelectedObject() { Restore(); }

  void Select(HDC dc, HGDIOBJ object) {
    const HGDIOBJ previous = SelectObject(dc, object);
    if (!FOriginal) {
      FDc = dc;
      FOriginal = previous;
    }
  }
  void Restore() {
    if (FOriginal) SelectObject(FDc, std::exchange(FOriginal, nullptr));
  }

 private:
  HDC FDc = nullptr;
  HGDIOBJ FOriginal = nullptr;
};

// The painting of one WM_PAINT: BeginPaint when made, EndPaint when the scope ends.
class TPaintDc {
 public:
  explicit TPaintDc(HWND window) : FWindow(window), FDc(BeginPaint(window, &FPaint)) {}
  TPaintDc(const TPaintDc&) = delete;
  TPaintDc& operator=(const TPaintDc&) = delete;
  ~TPaintDc() { EndPaint(FWindow, &FPaint); }

  HDC Get() const { return FDc; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDc;
};

// A memory device context (CreateCompatibleDC).
struct TMemoryDcCloser {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using TMemoryDc = TUniqueHandle<HDC, TMemoryDcCloser>;

// A window's device context (GetDC), given back to its window; the screen's when Window is null.
struct TWindowDcReleaser {
  HWND Window = nullptr;
  void operator()(HDC dc) const { ReleaseDC(Window, dc); }
};
using TWindowDc = TUniqueHandle<HDC, TWindowDcReleaser>;
inline TWindowDc GetWindowDc(HWND window) { return TWindowDc(GetDC(window), TWindowDcReleaser{window}); }
inline TWindowDc GetScreenDc() { return GetWindowDc(nullptr); }

// An open registry key.
struct TRegKeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using TRegKey = TUniqueHandle<HKEY, TRegKeyCloser>;

// A kernel object: a mutex, an event, a process (null when its making failed).
struct TKernelHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using TKernelHandle = TUniqueHandle<HANDLE, TKernelHandleCloser>;
// An open file (CreateFileW, INVALID_HANDLE_VALUE when it failed).
using TFileHandle = TUniqueHandle<HANDLE, TKernelHandleCloser, TInvalidValueHandlePolicy>;

// The ownership of a mutex this thread waited for, given back (ReleaseMutex) when its owner goes;
// the mutex handle itself stays with its TKernelHandle.
struct TMutexReleaser {
  void operator()(HANDLE mutex) const { ReleaseMutex(mutex); }
};
using TMutexOwnership = TUniqueHandle<HANDLE, TMutexReleaser>;

// A directory search (FindFirstFileW).
struct TFindCloser {
  void operator()(HANDLE handle) const { FindClose(handle); }
};
using TFindHandle = TUniqueHandle<HANDLE, TFindCloser, TInvalidValueHandlePolicy>;

// The service control manager or a service.
struct TServiceHandleCloser {
  void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
using TServiceHandle = TUniqueHandle<SC_HANDLE, TServiceHandleCloser>;

// Memory the system allocated with LocalAlloc for the caller (CommandLineToArgvW).
template <typename TPointer>
struct TLocalMemoryFreer {
  void operator()(TPointer memory) const { LocalFree(memory); }
};
template <typename TPointer>
using TLocalMemory = TUniqueHandle<TPointer, TLocalMemoryFreer<TPointer>>;

// A hook of SetWindowsHookExW.
struct THookUnhooker {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using THookHandle = TUniqueHandle<HHOOK, THookUnhooker>;

// A DLL loaded at run time (LoadLibraryW), freed when its owner goes.
struct TModuleFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using TModuleHandle = TUniqueHandle<HMODULE, TModuleFreer>;

// A WM_TOUCH input handle, closed with CloseTouchInputHandle, which exists from Windows 7 on and
// is looked up at run time.
struct TTouchInputCloser {
  BOOL(WINAPI* Close)(HTOUCHINPUT) = nullptr;
  void operator()(HTOUCHINPUT handle) const {
    if (Close) Close(handle);
  }
};
using TTouchInputHandle = TUniqueHandle<HTOUCHINPUT, TTouchInputCloser>;
