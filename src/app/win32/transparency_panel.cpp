#include "app/win32/transparency_panel.h"

#include <windowsx.h>

#include "input/win32/pointer_messages.h"
#include "platform/win32/screen.h"
#include "platform/win32/win32_handles.h"
#include "render/theme.h"
#include "render/win32/gdi_canvas.h"

namespace {
constexpr wchar_t ClassName[] = L"TOrvillaTransparency";
}

TTransparencyPanel::TTransparencyPanel(HWND parent, std::function<int()> transparency,
                                       std::function<void(int)> onChange, std::function<bool()> touchActive)
    : FTransparency(std::move(transparency)), FOnChange(std::move(onChange)), FTouchActive(std::move(touchActive)) {
  WNDCLASSEXW wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = ClassName;
  RegisterWindowClass(wc);
  CreateBoundWindow(0, ClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent);
}

void TTransparencyPanel::Place(const TRect& bounds, int ppi) {
  FSlider.SetPpi(ppi);
  FSlider.SetSize(bounds.Width(), bounds.Height());
  SetWindowPos(Handle(), HWND_TOP, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), SWP_NOACTIVATE);
  Repaint();
}

void TTransparencyPanel::SetVisible(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

void TTransparencyPanel::Repaint() {
  if (!Handle() || !IsWindowVisible(Handle())) return;
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

void TTransparencyPanel::Paint(HDC dc) {
  // Drawn off-screen first, so that dragging does not flicker.
  const TRect client = ClientRect(Handle());
  if (client.Width() <= 0 || client.Height() <= 0) return;
  const TMemoryDc memory(CreateCompatibleDC(dc));
  const TBitmapHandle bitmap(CreateCompatibleBitmap(dc, client.Width(), client.Height()));
  if (!memory || !bitmap) return;
  const TSelectedObject selected(memory.Get(), bitmap.Get());
  {
    TGdiCanvas canvas(memory.Get());
    FSlider.Paint(canvas, FTransparency(), Theme);
  }
  BitBlt(dc, 0, 0, client.Width(), client.Height(), memory.Get(), 0, 0, SRCCOPY);
}

TPoint TTransparencyPanel::CursorInClient() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  return {cursor.x, cursor.y};
}

void TTransparencyPanel::Respond(const TSliderResponse& response) {
  if (response.NewTransparency) FOnChange(*response.NewTransparency);
  if (response.Repaint) Repaint();
}

LRESULT TTransparencyPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  switch (message) {
    case WM_MOUSEACTIVATE:
      // Dragging the slider must leave the focus with the program being typed into.
      return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      const TPaintDc paint(Handle());
      Paint(paint.Get());
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      SetCapture(Handle());
      Respond(FSlider.MouseDown(x));
      return 0;
    case WM_MOUSEMOVE:
      if (!FTrackingLeave) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        FTrackingLeave = TrackMouseEvent(&track) != FALSE;
        Respond(FSlider.MouseEnter());
      }
      Respond(FSlider.MouseMove(x));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (!FSlider.Dragging()) return 0;
      // The drag ends before the capture is given back, so that giving it back is no loss of it.
      Respond(FSlider.MouseUp(FTouchActive() && IsTouchMessage(), CursorInClient()));
      if (GetCapture() == Handle()) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse in the middle of a drag: the drag ends there.
      if (FSlider.Dragging() && reinterpret_cast<HWND>(lParam) != Handle())
        Respond(FSlider.MouseUp(false, CursorInClient()));
      return 0;
    case WM_MOUSELEAVE:
      FTrackingLeave = false;
      Respond(FSlider.MouseLeave());
      return 0;
  }
  return DefaultHandling(message, wParam, lParam);
}
