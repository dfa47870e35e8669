#pragma once
// The suggestion row: a child window of the keyboard window along the top of its client area, a
// strip of word buttons in the colour scheme's key colours above the keys. It never takes the
// focus; a click, pen tap or touch on a button, or a pointer resting on it with hover to type on,
// reports the button's index.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "input/hover_press.h"
#include "platform/geometry.h"
#include "platform/win32/base_window.h"
#include "platform/win32/win32_handles.h"

class TSuggestionBar : public TBaseWindow<TSuggestionBar> {
 public:
  // parent: the keyboard window; onPress gets the index of the pressed button; onTick runs every
  // TickInterval ms while the row exists.
  static constexpr UINT TickInterval = 200;
  TSuggestionBar(HWND parent, std::function<void(std::size_t)> onPress, std::function<void()> onTick);
  ~TSuggestionBar();

  void SetWords(const std::vector<std::wstring>& words);
  const std::vector<std::wstring>& Words() const { return FWords; }
  // At the top of the parent's client area, width by height pixels, and shown.
  void Place(int width, int height);
  // The buttons in the row's client coordinates.
  const std::vector<TRect>& Slots() const { return FSlots; }
  // Hover to type on the row: a word under a resting pointer is pressed after time milliseconds,
  // once per visit, as on the keys, with the running time shown along the button's bottom.
  void SetHover(bool on, int time, int tolerance);
  // Switch scanning's highlight: the whole row (slot -1), one slot, or none (highlighted false),
  // drawn in the scan colours of the scheme as on the keys.
  void SetHighlight(bool highlighted, int slot);

 private:
  friend class TBaseWindow<TSuggestionBar>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);
  // The hover check, every HoverCheckInterval while something is timing.
  void CheckHover();
  void StartHoverCheck();

  std::function<void(std::size_t)> FOnPress;
  std::function<void()> FOnTick;
  std::vector<std::wstring> FWords;
  std::vector<TRect> FSlots;
  TFontHandle FFont;
  int FFontHeight = 0;
  THoverPress FHover{HoverTimeDefault, HoverToleranceAt96};
  bool FHoverOn = false;
  bool FHoverChecking = false;
  bool FPenOrTouch = false;        // the last move came from a pen or a finger
  std::uint8_t FProgressSlot = 0;  // 1 + the button whose time runs, 0 none
  int FProgress = 0;               // 0 to 1000
  bool FHighlighted = false;
  int FHighlightSlot = -1;
};
