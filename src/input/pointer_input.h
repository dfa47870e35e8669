#pragma once
// Mouse, pen and touch on the keyboard window turned into presses, releases, hot-key tracking and
// dragging of the window by its background.
//
// The same physical action can reach the window on three roads at once: WM_TOUCH (turned into
// HandleTouchPoint calls), WM_POINTERENTER / WM_POINTERLEAVE, and the mouse messages the system
// generates from pen and touch. The handlers drop the duplicates: by the origin of the message
// (TMessageOrigin), by a same-point test of 50 ms for pen presses, by a quiet time of 500 ms for
// mouse moves after touch while the cursor is hidden, and, on Windows build 16215 or later, by
// ignoring the paint box's own presses and releases while a pen or touch pointer is in range.
// The release of the button that made an accepted press of the paint box is never ignored that
// way, so a pen coming into range while a mouse button is held cannot leave a key down.
//
// The keyboard window owns one TPointerInput and calls the handlers below from its messages.
#include <cstdint>
#include <optional>

#include "input/input_window.h"
#include "platform/geometry.h"

class TKeyPress;
class TLvKeyboard;

// Message codes of the mouse messages a touch point becomes.
enum class TTouchKind : std::uint32_t {
  None = 0,
  MouseMove = 0x200,    // WM_MOUSEMOVE
  LButtonDown = 0x201,  // WM_LBUTTONDOWN
  LButtonUp = 0x202,    // WM_LBUTTONUP
};

// Flags of a touch point (TOUCHINPUT.dwFlags).
constexpr std::uint32_t TouchEventFMove = 0x1;
constexpr std::uint32_t TouchEventFDown = 0x2;
constexpr std::uint32_t TouchEventFUp = 0x4;

// One touch point as a mouse event, at a point in client coordinates of the keyboard window.
struct TTouchEvent {
  TTouchKind kind = TTouchKind::None;
  std::int16_t x = 0;
  std::int16_t y = 0;
};

// The mouse message of a touch point's flags: move before down before up.
TTouchKind TouchEventKind(std::uint32_t flags);

// A touch coordinate in hundredths of a physical pixel, in whole pixels (toward zero).
constexpr int TouchHundredthsToPixels(int hundredths) { return hundredths / 100; }

// The point that means "no window drag in progress".
constexpr TPoint NoDragOrigin{-10000, -10000};

// Presses of the paint box are ignored while a pointer is in range from this build on.
constexpr std::uint32_t FilterInRangeMouseBuild = 16215;

class TPointerInput {
 public:
  // Same-point window of a duplicate pen press, and the quiet time of mouse moves after touch.
  static constexpr std::uint32_t DuplicatePressTime = 50;
  static constexpr std::uint32_t TouchQuietTime = 500;

  // windowsBuild: the running Windows build number.
  TPointerInput(TLvKeyboard& keyboard, TKeyPress& press, TInputWindow& window, std::uint32_t windowsBuild);
  TPointerInput(const TPointerInput&) = delete;
  TPointerInput& operator=(const TPointerInput&) = delete;

  // Events of the paint box pbKeyboard (X, Y in its client coordinates, which are the window's).
  // origin: what the message being handled says about where it came from.
  void pbKeyboardMouseDown(TSender sender, TMouseButton button, int X, int Y, TMessageOrigin origin);
  void pbKeyboardMouseUp(TSender sender, TMouseButton button, int X, int Y, TMessageOrigin origin);
  void pbKeyboardMouseMove(TSender sender, int X, int Y, TMessageOrigin origin);
  void pbKeyboardMouseEnter(TSender sender);
  void pbKeyboardMouseLeave(TSender sender, TMessageOrigin origin);
  void pbKeyboardPaint();
  // The window lost the mouse capture while a button of the paint box was down (another window
  // took it, a menu or a modal box opened): the release will never arrive, so the held key is
  // released now and a window drag ends. Latched modifiers stay latched.
  void CaptureLost();

  // One point of a WM_TOUCH message, its contact identifier, and the origin of that message.
  void HandleTouchPoint(const TTouchEvent& event, int id, TMessageOrigin origin);

  // WM_POINTERENTER at a point already converted to client coordinates, and WM_POINTERLEAVE.
  void WMPointerEnter(int X, int Y, TMessageOrigin origin);
  void WMPointerLeave();

  // Hover typing's press at a point (client coordinates), on the click road of a left click. It
  // lasts until HoverRelease or until the next press accepted from anywhere, which ends it first.
  void HoverPress(int X, int Y);
  // Ends hover typing's press when it still holds its key; the paint box's press, a window drag
  // and later presses are left alone.
  void HoverRelease();
  // The number of presses accepted so far (wrapping); the point of the last is LastDownX/Y.
  std::uint32_t Presses() const { return FPresses; }

  // A window drag is in progress.
  bool Dragging() const { return FDragOrigin.x != NoDragOrigin.x || FDragOrigin.y != NoDragOrigin.y; }

  // Start of a window drag in screen coordinates; NoDragOrigin when none.
  TPoint DragOrigin() const { return FDragOrigin; }
  // Client point of the last accepted press.
  int LastDownX() const { return FLastDownX; }
  int LastDownY() const { return FLastDownY; }
  // Releases are ignored until the next accepted press (set by a duplicate pen press).
  bool IgnoreMouseUp() const { return FIgnoreMouseUp; }
  // A pen or touch pointer is in range of the window (between WM_POINTERENTER and LEAVE).
  bool PointerInRange() const { return FPointerInRange; }
  // The paint box's presses and releases are ignored while a pointer is in range.
  bool FilterInRangeMouse() const { return FFilterInRangeMouse; }
  // WM_TOUCH input has been seen (stays true for the rest of the run).
  bool TouchActive() const { return FTouchActive; }
  // The touch contact that holds the press; -1 none.
  int TouchId() const { return FTouchId; }
  // Time of the last touch point handled.
  std::uint32_t LastTouchTick() const { return FLastTouchTick; }

 private:
  // A paint-box press or release while a pointer is in range, on builds that filter them.
  bool FilteredInRange(TSender sender) const;
  // The paint box's release of the button that made the press it is holding.
  bool EndsOwnPress(TSender sender, TMouseButton button) const;
  // A press accepted from any road (the paint box's, touch's, hover typing's): ends hover typing's
  // press first, notes where and when it came, and presses the key under (X, Y) or starts dragging
  // the window from its background. paintBoxButton: the paint box's button, whose release ends it.
  void PressAt(int X, int Y, TMouseButton button, std::optional<TMouseButton> paintBoxButton, std::uint32_t now);
  // A mouse message the system generated from touch after WM_TOUCH took over.
  bool GeneratedFromTouch(TMessageOrigin origin) const;

  // Start of a window drag in screen coordinates; NoDragOrigin when none.
  TPoint FDragOrigin = NoDragOrigin;
  // Client point and time of the last accepted press.
  int FLastDownX = 2147483647;
  int FLastDownY = 2147483647;
  std::uint32_t FLastDownTick = 0;
  // Releases are ignored until the next accepted press (set by a duplicate pen press).
  bool FIgnoreMouseUp = false;
  // A pen or touch pointer is in range of the window (between WM_POINTERENTER and LEAVE).
  bool FPointerInRange = false;
  // The paint box's presses and releases are ignored while a pointer is in range.
  bool FFilterInRangeMouse = false;
  // WM_TOUCH input has been seen (stays true for the rest of the run).
  bool FTouchActive = false;
  // The touch contact that holds the press; -1 none.
  int FTouchId = -1;
  // Time of the last touch point handled.
  std::uint32_t FLastTouchTick = 0;

  // The button of the paint box's accepted press (key or window drag) until its release.
  std::optional<TMouseButton> FPaintBoxPressButton;
  // Hover typing's press holds the key FPress holds.
  bool FHoverPressHeld = false;
  std::uint32_t FPresses = 0;

  TLvKeyboard& FKeyboard;
  TKeyPress& FPress;
  TInputWindow& FWindow;
};
