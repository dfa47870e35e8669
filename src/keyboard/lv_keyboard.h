#pragma once
// The keyboard control: one key object per virtual-key code 1..255 built from a layout text,
// scaled to the size the keyboard is shown at, with the character keys placed where the current
// input language has them. It keeps the keyboard state as shown on screen, tracks the key under
// the pointer and composes the picture of the keyboard, which it copies onto the paint box.
//
// The drawing is split in two: a back buffer with the background and every key's outline in its
// normal state, rebuilt only after a layout load, a resize, a colour scheme change or new key
// names; and the image, composed from the back buffer plus every key in its current state.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "keyboard/key_legend_source.h"
#include "keyboard/keyboard_desktop.h"
#include "keyboard/layout_text.h"
#include "keys/key_injection.h"
#include "keys/keyboard_services.h"
#include "render/canvas.h"
#include "render/key_draw_context.h"
#include "render/lv_btn.h"

class TLvKeyboard final : public TKeyDrawContext {
 public:
  // paintBox is the visible control the picture is copied onto (not owned); surfaces creates the
  // image and the back buffer. legends may be none: then keys show no character legend.
  TLvKeyboard(TSurface& paintBox, TSurfaceFactory& surfaces, TKeyboardServices& services, TKeyInjector& injector,
              TKeyboardDesktop& desktop, TKeyLegends* legends = nullptr);
  ~TLvKeyboard();
  TLvKeyboard(const TLvKeyboard&) = delete;
  TLvKeyboard& operator=(const TLvKeyboard&) = delete;

  // Builds the key table from the built-in layout text of index (1..6; any other index loads
  // layout 1) and makes the control and its design size the layout's size. False when the text
  // does not parse: the keys read before the failure stay, painting stays disabled, placement and
  // legends are not updated.
  bool LoadLayout(int index);
  // The same with any layout text (a layout file's).
  bool LoadLayoutText(const std::wstring& text);
  // Copies the default key names into the key names and rebuilds the picture.
  void FillKeyNames();
  // Sets the name shown on the key of a code; it shows from the next paint on.
  void SetKeyName(std::uint8_t code, const std::wstring& name);
  void AddKey(std::uint8_t code, const TLayoutPoints& points);
  void FreeKey(std::uint8_t code);
  void ClearKeys();

  // Sets the size of the control and its picture; a failure keeps the previous size.
  void SetImageSize(int width, int height);
  // The size of the loaded layout, in layout units (0 before the first load).
  int DesignWidth() const { return FDesignWidth; }
  int DesignHeight() const { return FDesignHeight; }
  // Sets the design size without loading a layout (for keys added one by one).
  void SetDesignSize(int width, int height);
  // Rescales every key's outline from the design size to the control's size (ceiling, x and y
  // separately). A design size of 0 or less changes nothing.
  void ScaleKeys();

  // Composes the picture and presents it; rebuild also redraws the back buffer. While painting is
  // disabled only the rebuild request is remembered.
  void Redraw(bool rebuild);
  // Copies the picture onto the paint box (when painting is enabled).
  void Present();
  // Repaints only the keys that would look different from their last paint (another state,
  // legend or name), and what they overlap, then presents: the same picture as Redraw(false).
  // Recomposes the whole picture instead when the back buffer must be rebuilt or a key has moved.
  void RepaintChangedKeys();
  // Makes the key under (x, y) the hot key; the lowest code wins where outlines overlap.
  void TrackHot(int x, int y);
  void ClearHot(bool present);
  // The key under the pointer, or none.
  TLvBtn* HotKey() const { return FHotBtn; }

  // Switch scanning: highlights exactly the keys of these codes (none: no highlight) and repaints
  // the keys whose highlight changed (RepaintChangedKeys).
  void SetScanHighlight(const std::vector<std::uint8_t>& codes);

  // Shows the key of code pressed or released: updates the keyboard state and the pressed count.
  // A lock or modifier key repaints every key whose picture changes with it (RepaintChangedKeys);
  // any other key repaints itself. No key of that code, or no change, does nothing.
  void SetKeyPressed(std::uint8_t code, bool down);
  // Sets one byte of the keyboard state as shown, without drawing (the lock keys' toggles follow
  // the system this way).
  void SetKeyStateByte(std::uint8_t code, std::uint8_t value);

  // Activation (once, when the main window is first shown): releases every key, takes the
  // keyboard state over from the system with no modifier down (sending key-ups for modifiers the
  // system shows down) and redraws.
  void SetActive(bool active);
  void SetPaintEnabled(bool enabled);
  // Switches to an input language: places the keys, prepares its legends and redraws. 0, handles
  // whose upper 16 bits are 0, and the current handle are ignored.
  void SetHkl(THkl hkl);
  THkl Hkl() const { return FHkl; }
  // Gives every character key the outline of the physical key that produces its code in Hkl().
  void PlaceKeys();

  // Asks the legends for the key names and the legend table of Hkl() and keeps them; the legends
  // of the keys as shown are made ready.
  void PrepareLegends();
  // Makes one more part of the current language's legend table, for idle time. False when the
  // table is complete.
  bool FillPendingLegends();
  // The character legend of a key code under the keyboard state as shown.
  std::wstring GetLegend(std::uint8_t code) const;
  // The index of the current language's legend table.
  std::int32_t LangIndex() const { return FLangIndex; }

  bool IsModifierKey(std::uint8_t code) const;
  // Whether the key object of code exists and is pressed.
  bool IsKeyDown(std::uint8_t code) const;
  // Sends a key-up for every key shown pressed and releases it.
  void ReleasePressedKeys();
  // Releases every key object, then presents.
  void ResetKeys();
  // Fills the keyboard state from the system with no modifier down; see SetActive.
  void ReadKeyboardState();

  // The key object of a code, or none.
  TLvBtn* Key(int code) const;
  // The key under (x, y): the first in code order whose outline holds it, as a click, hover typing
  // and the hot key find it; 0 when none.
  std::uint8_t KeyAt(int x, int y) const;
  // The drawn key whose size sets the legend font sizes: Escape; in a layout without it (the
  // numeric pad, a layout file) Num Lock, else the drawn key of the lowest code; none when no key
  // is drawn.
  const TLvBtn* LegendSizeKey() const;
  // Size of the control (and of its picture).
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The composed picture and the back buffer.
  TSurface& Image() { return *FImage; }
  TSurface& BackBuffer() { return *FBackBuffer; }
  TKeyboardServices& Services() { return FServices; }
  const TKeyNames& KeyNames() const { return FKeyNames; }

  // What the keys read while they draw.
  bool PaintEnabled() const override { return FPaintEnabled; }
  const std::wstring& KeyName(std::uint8_t code) const override { return FKeyNames[code]; }
  int PressedCount() const override { return FPressedCount; }
  const TKeyboardState& KeyState() const override { return FKeyState; }
  int BoldNameLimit() const override { return FBoldNameLimit; }
  int BoldCharLimit() const override { return FBoldCharLimit; }
  std::wstring Legend(std::uint8_t code, const TKeyboardState& state) const override;

 private:
  void SetControlSize(int width, int height);
  // Frees a key object; detach also clears every other key's reference to it as place key.
  void FreeKeyObject(std::uint8_t code, bool detach);
  void ComputeBoldLimits();
  // Whether the image holds a composition of the current back buffer at the current size.
  bool PictureCurrent() const;
  // Follows a key press in the keyboard state: down or up for ordinary keys and modifiers (the
  // generic Shift, Ctrl and Alt bytes follow their left and right keys), a toggle for the locks.
  void UpdateKeyState(std::uint8_t code, bool down);

  TSurface* FPaintBox;
  TSurfaceFactory& FSurfaces;
  TKeyboardServices& FServices;
  TKeyInjector& FInjector;
  TKeyboardDesktop& FDesktop;
  TKeyLegends* FLegends;
  std::unique_ptr<TSurface> FImage;
  std::unique_ptr<TSurface> FBackBuffer;
  int FWidth = 0;
  int FHeight = 0;
  int FDesignWidth = 0;
  int FDesignHeight = 0;
  bool FActive = false;
  bool FPaintEnabled = true;
  bool FNeedsRebuild = true;
  TLvBtn* FHotBtn = nullptr;
  THkl FHkl = 0;
  std::int32_t FLangIndex = 0;
  std::int32_t FPressedCount = 0;
  std::int32_t FBoldNameLimit = 14;
  std::int32_t FBoldCharLimit = 16;
  // Indexed directly by the code; slot 0 is never used.
  std::array<std::unique_ptr<TLvBtn>, 256> FKeys;
  TKeyboardState FKeyState{};
  // Indexed directly by the code; entry 0 is never used.
  TKeyNames FKeyNames;
};
