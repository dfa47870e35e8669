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

#include "input/key_injection.h"
#include "keyboard/keyboard_desktop.h"
#include "keyboard/keyboard_services.h"
#include "keyboard/layout_text.h"
#include "render/canvas.h"
#include "render/lv_btn.h"

class TLvKeyboard;

// Where the character legends come from: the per-language legend tables. The keyboard control
// calls PrepareLegends after the input language (FHkl) or the layout changed, and key drawing asks
// GetLegend for the character of a key under the current FKeyState.
class TKeyLegends {
 public:
  virtual ~TKeyLegends() = default;
  // Localises the key names (FKeyNames) and finds or computes the legend table of
  // keyboard.FHkl, setting keyboard.FLangIndex.
  virtual void PrepareLegends(TLvKeyboard& keyboard) = 0;
  // The character legend of a key code for the modifier state in keyboard.FKeyState.
  virtual std::wstring GetLegend(const TLvKeyboard& keyboard, std::uint8_t code) = 0;
};

class TLvKeyboard {
 public:
  // paintBox is the visible control the picture is copied onto (not owned); surfaces creates the
  // image and the back buffer. legends may be none: then keys show no character legend.
  TLvKeyboard(TSurface& paintBox, TSurfaceFactory& surfaces, TKeyboardServices& services,
              TKeyInjector& injector, TKeyboardDesktop& desktop, TKeyLegends* legends = nullptr);
  ~TLvKeyboard();
  TLvKeyboard(const TLvKeyboard&) = delete;
  TLvKeyboard& operator=(const TLvKeyboard&) = delete;

  // Builds the key table from the built-in layout text of index (1..6; any other index loads
  // layout 1) and makes the control the layout's size. False when the text does not parse: the
  // keys read before the failure stay, painting stays disabled, placement and legends are not
  // updated.
  bool LoadLayout(int index);
  // Copies the default key names into FKeyNames and rebuilds the picture.
  void FillKeyNames();
  void AddKey(std::uint8_t code, const TLayoutPoints& points);
  void FreeKey(std::uint8_t code);
  void ClearKeys();

  // Sets the size of the control and its picture; a failure keeps the previous size.
  void SetImageSize(int height, int width);
  // Rescales every key's outline from the layout size to the control's size (ceiling, x and y
  // separately). A layout size of 0 or less changes nothing.
  void ScaleKeys(int layoutWidth, int layoutHeight);

  // Composes the picture and presents it; rebuild also redraws the back buffer. While painting is
  // disabled only the rebuild request is remembered.
  void Redraw(bool rebuild);
  // Copies the picture onto the paint box (when painting is enabled).
  void Present();
  // Makes the key under (x, y) the hover key; the lowest code wins where outlines overlap.
  void TrackHover(int x, int y);
  void ClearHover(bool present);

  // Activation (once, when the main window is first shown): releases every key, takes the
  // keyboard state over from the system with no modifier down (sending key-ups for modifiers the
  // system shows down) and redraws.
  void SetActive(bool active);
  void SetPaintEnabled(bool enabled);
  // Switches to an input language: places the keys, prepares its legends and redraws. 0, handles
  // whose upper 16 bits are 0, and the current handle are ignored.
  void SetHkl(THkl hkl);
  // Gives every character key the outline of the physical key that produces its code in FHkl.
  void PlaceKeys();

  void PrepareLegends();
  std::wstring GetLegend(std::uint8_t code);

  bool IsModifierKey(std::uint8_t code) const;
  // Whether the key object of code exists and is pressed.
  bool IsKeyDown(std::uint8_t code) const;
  // Sends a key-up for every key shown pressed and releases it.
  void ReleasePressedKeys();
  // Releases every key object, then presents.
  void ResetKeys();
  // Fills FKeyState from the system with no modifier down; see SetActive.
  void ReadKeyboardState();

  // The key object of a code, or none.
  TLvBtn* Key(int code) const;
  // Size of the control (and of its picture).
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The composed picture and the back buffer.
  TSurface& Image() { return *FImage; }
  TSurface& BackBuffer() { return *FBackBuffer; }
  TKeyboardServices& Services() { return FServices; }

  TSurface* FPaintBox;
  bool FActive = false;
  bool FPaintEnabled = true;
  TLvBtn* FHoverBtn = nullptr;
  THkl FHkl = 0;
  std::int32_t FLangIndex = 0;
  std::int32_t FPressedCount = 0;
  std::unique_ptr<TSurface> FBackBuffer;
  bool FNeedsRebuild = true;
  std::int32_t FBoldNameLimit = 14;
  std::int32_t FBoldCharLimit = 16;
  // Indexed directly by the code; slot 0 is never used.
  std::array<std::unique_ptr<TLvBtn>, 256> FKeys;
  TKeyboardState FKeyState{};
  // Indexed directly by the code; entry 0 is never used.
  std::array<std::wstring, 256> FKeyNames;

 private:
  void SetControlSize(int height, int width);
  // Frees a key object; detach also clears every other key's reference to it as place key.
  void FreeKeyObject(std::uint8_t code, bool detach);
  void ComputeBoldLimits();

  TSurfaceFactory& FSurfaces;
  TKeyboardServices& FServices;
  TKeyInjector& FInjector;
  TKeyboardDesktop& FDesktop;
  TKeyLegends* FLegends;
  std::unique_ptr<TSurface> FImage;
  int FWidth = 0;
  int FHeight = 0;
};
