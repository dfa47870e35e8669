#pragma once
// One owner for every Windows handle the program opens: TUniqueHandle, move-only, closes its
// handle with the closer it was given when it goes or is reset. A null handle is empty; callers
// turn INVALID_HANDLE_VALUE into null before handing a handle over.
#include <windows.h>

#include <utility>

template <typename THandle, typename TCloser>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(THandle handle, TCloser closer = TCloser())
      : handle_(handle), closer_(std::move(closer)) {}
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, THandle())), closer_(std::move(other.closer_)) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) {
      const THandle handle = std::exchange(other.handle_, THandle());
      Reset();
      handle_ = handle;
      closer_ = std::move(other.closer_);
    }
    return *this;
  }
  ~TUniqueHandle() { Reset(); }

  THandle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != THandle(); }
  // Closes the handle held and takes handle over.
  void Reset(THandle handle = THandle()) {
    if (handle_ != THandle()) closer_(handle_);
    handle_ = handle;
  }
  // Empties the owner and hands out the address of its handle, for functions that return a
  // handle through an argument (RegOpenKeyExW).
  THandle* Receive() {
    Reset();
    return &handle_;
  }

 private:
  THandle handle_ = THandle();
  TCloser closer_ = TCloser();
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

// A kernel object: a file, a mutex, an event, a process.
struct TKernelHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using TKernelHandle = TUniqueHandle<HANDLE, TKernelHandleCloser>;

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
using TFindHandle = TUniqueHandle<HANDLE, TFindCloser>;

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

// A DLL loaded at run time (LoadLibraryW), freed when its owner goes.
// A hook of SetWindowsHookExW.
struct THookUnhooker {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using THookHandle = TUniqueHandle<HHOOK, THookUnhooker>;

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
