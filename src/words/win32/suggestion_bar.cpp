#include "words/win32/suggestion_bar.h"

#include <windowsx.h>

#include <algorithm>

#include "input/message_origin.h"
#include "render/theme.h"
#include "words/suggestion_row.h"

namespace {

constexpr wchar_t BarClass[] = L"TOrvillaSuggestionBar";
constexpr UINT_PTR TickTimer = 1;
constexpr UINT_PTR HoverTimer = 2;

void FillRectColor(HDC dc, const RECT& rect, COLORREF color) {
  TBrushHandle brush(CreateSolidBrush(color));
  FillRect(dc, &rect, brush.Get());
}

}  // namespace

TSuggestionBar::TSuggestionBar(HWND parent, std::function<void(std::size_t)> onPress, std::function<void()> onTick)
    : FOnPress(std::move(onPress)), FOnTick(std::move(onTick)) {
  WNDCLASSEXW wc{};
  wc.lpszClassName = BarClass;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterWindowClass(wc);
  // Hidden until it is placed: the keys below it are laid out first.
  CreateBoundWindow(WS_EX_NOACTIVATE, BarClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent);
  if (Handle()) SetTimer(Handle(), TickTimer, TickInterval, nullptr);
}

TSuggestionBar::~TSuggestionBar() {
  if (!Handle()) return;
  KillTimer(Handle(), TickTimer);
  KillTimer(Handle(), HoverTimer);
}

void TSuggestionBar::SetHover(bool on, int time, int tolerance) {
  FHover.SetTime(time);
  FHover.SetTolerance(tolerance);
  if (on == FHoverOn) return;
  FHoverOn = on;
  FHover.Reset();
  if (on) {
    StartHoverCheck();
  } else if (FHoverChecking) {
    KillTimer(Handle(), HoverTimer);
    FHoverChecking = false;
  }
  if (FProgressSlot != 0) {
    FProgressSlot = 0;
    FProgress = 0;
    InvalidateRect(Handle(), nullptr, FALSE);
  }
}

void TSuggestionBar::StartHoverCheck() {
  if (!Handle() || !FHoverOn || FHoverChecking) return;
  FHoverChecking = SetTimer(Handle(), HoverTimer, HoverCheckInterval, nullptr) != 0;
}

void TSuggestionBar::CheckHover() {
  THoverSample sample;
  POINT cursor{};
  if (GetCursorPos(&cursor) && WindowFromPoint(cursor) == Handle()) {
    ScreenToClient(Handle(), &cursor);
    const std::size_t slot = SuggestionSlotAt(FSlots, cursor.x, cursor.y);
    // Only a button that shows a word is timed.
    sample.Place = slot < FSlots.size() && slot < FWords.size() ? THoverPlace::Key : THoverPlace::Background;
    if (sample.Place == THoverPlace::Key) sample.Code = static_cast<std::uint8_t>(slot + 1);
    sample.Point = {cursor.x, cursor.y};
  }
  sample.ButtonDown =
      ((GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON) | GetAsyncKeyState(VK_MBUTTON)) & 0x8000) != 0;
  sample.PenOrTouch = FPenOrTouch;
  const std::uint32_t now = GetTickCount();
  const std::uint8_t fired = FHover.Check(now, sample);
  const std::uint8_t progressSlot = FHover.ProgressKey();
  const int progress = progressSlot ? FHover.Progress(now) : 0;
  if (progressSlot != FProgressSlot || progress != FProgress) {
    FProgressSlot = progressSlot;
    FProgress = progress;
    InvalidateRect(Handle(), nullptr, FALSE);
  }
  if (FHover.Idle()) {
    KillTimer(Handle(), HoverTimer);
    FHoverChecking = false;
  }
  if (fired != 0 && fired <= FWords.size()) FOnPress(fired - 1u);
}

void TSuggestionBar::SetWords(const std::vector<std::wstring>& words) {
  if (words == FWords) return;
  FWords = words;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TSuggestionBar::SetHighlight(bool highlighted, int slot) {
  if (highlighted == FHighlighted && slot == FHighlightSlot) return;
  FHighlighted = highlighted;
  FHighlightSlot = slot;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TSuggestionBar::Place(int width, int height) {
  if (!Handle()) return;
  const int minButton = MulDiv(110, height, 32);
  FSlots = SuggestionSlots(width, height, SuggestionSlotCount(width, minButton), std::max(1, height / 16));
  SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TSuggestionBar::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRectColor(dc, client, Theme.Background);
  const int fontHeight = std::max(8, static_cast<int>(client.bottom - client.top) * 11 / 20);
  if (!FFont || fontHeight != FFontHeight) {
    FFont.Reset(CreateFontW(-fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Segoe UI"));
    FFontHeight = fontHeight;
  }
  const TSelectedObject font(dc, FFont.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Theme.KeyChar);
  for (std::size_t i = 0; i < FSlots.size(); ++i) {
    const bool highlighted = FHighlighted && (FHighlightSlot < 0 || static_cast<std::size_t>(FHighlightSlot) == i);
    // An empty slot shows nothing, unless scanning highlights it.
    if (i >= FWords.size() && !highlighted) continue;
    const TRect& s = FSlots[i];
    RECT rect{s.Left, s.Top, s.Right, s.Bottom};
    FillRectColor(dc, rect, highlighted ? Theme.ScanBorder : Theme.KeyBorder);
    RECT face{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    FillRectColor(dc, face, highlighted ? Theme.ScanFace : Theme.KeyFace);
    if (i >= FWords.size()) continue;
    if (FProgressSlot == i + 1 && FProgress > 0) {
      // The hover time running, along the button's bottom as on the keys.
      const int thickness = std::max<int>(3, (face.bottom - face.top) / 8);
      const RECT bar{
          face.left + 1, face.bottom - 1 - thickness,
          face.left + 1 + static_cast<int>((face.right - face.left - 2) * static_cast<long long>(FProgress) / 1000),
          face.bottom - 1};
      FillRectColor(dc, bar, Theme.DownFace);
    }
    SetTextColor(dc, highlighted ? Theme.ScanLegend : Theme.KeyChar);
    DrawTextW(dc, FWords[i].c_str(), static_cast<int>(FWords[i].size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

LRESULT TSuggestionBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      const TPaintDc paint(Handle());
      Paint(paint.Get());
      return 0;
    }
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_MOUSEMOVE:
      FPenOrTouch = HasPenOrTouchSignature(static_cast<std::uint32_t>(GetMessageExtraInfo()));
      StartHoverCheck();
      return 0;
    case WM_LBUTTONUP: {
      const std::size_t index = SuggestionSlotAt(FSlots, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (index < FSlots.size() && index < FWords.size()) {
        FHover.Press(static_cast<std::uint8_t>(index + 1));  // a click spends the hover's visit
        FOnPress(index);
      }
      return 0;
    }
    case WM_TIMER:
      if (wParam == HoverTimer)
        CheckHover();
      else
        FOnTick();
      return 0;
    default: return DefaultHandling(message, wParam, lParam);
  }
}
