#pragma once
// Owning wrappers for the GDI and registry handles the drawing code creates.
#include <windows.h>

#include <utility>

// A pen, brush, font or bitmap, deleted with DeleteObject. It must no longer be selected into a
// device context when it is deleted; the owners below select the originals back first.
template <typename THandle>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(THandle handle) : handle_(handle) {}
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~TGdiObject() { Reset(); }

  THandle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(THandle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  THandle handle_ = nullptr;
};

using TPenHandle = TGdiObject<HPEN>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TFontHandle = TGdiObject<HFONT>;
using TBitmapHandle = TGdiObject<HBITMAP>;

// A memory device context, deleted with DeleteDC.
class TMemoryDc {
 public:
  TMemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
  TMemoryDc(const TMemoryDc&) = delete;
  TMemoryDc& operator=(const TMemoryDc&) = delete;
  ~TMemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// The screen's device context for the lifetime of the object (GetDC / ReleaseDC).
class TScreenDc {
 public:
  TScreenDc() : dc_(GetDC(nullptr)) {}
  TScreenDc(const TScreenDc&) = delete;
  TScreenDc& operator=(const TScreenDc&) = delete;
  ~TScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// An open registry key, closed with RegCloseKey.
class TRegKey {
 public:
  TRegKey() = default;
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;
  ~TRegKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY Get() const { return key_; }
  HKEY* Receive() { return &key_; }  // for RegOpenKeyExW; only on an empty object

 private:
  HKEY key_ = nullptr;
};
