#pragma once
// The keyboard services of the system that the keyboard model uses: character translation, scan
// code mapping, the installed input languages and the keyboard state. One Win32 adapter calls the
// functions of the same names; tests use tables.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A keyboard-layout handle (HKL). The program is 32-bit, so a handle fits 32 bits; the low 16 bits
// are the language identifier, the high 16 bits the layout.
using THkl = std::uint32_t;

// The 256-byte keyboard-state array (bit 0x80: down, bit 0x01: toggled), indexed by key code.
using TKeyboardState = std::array<std::uint8_t, 256>;

// Translation kinds of MapVirtualKeyExW used here.
constexpr unsigned MapVkVkToVsc = 0;    // virtual-key code -> scan code
constexpr unsigned MapVkVscToVkEx = 3;  // scan code -> virtual-key code, left/right distinguished

// The reference layout whose codes the layout texts use: English (United States).
constexpr THkl UsEnglishHkl = 0x04090409;

class TKeyboardServices {
 public:
  virtual ~TKeyboardServices() = default;

  // Translates a key in a keyboard state into characters. Writes at most bufferSize characters
  // into buffer and returns their number, a negative number for a dead key, or 0 for nothing.
  // Like the system function, it may keep dead-key state between calls.
  virtual int ToUnicodeEx(unsigned virtKey, unsigned scanCode, const TKeyboardState& keyState, wchar_t* buffer,
                          int bufferSize, unsigned flags, THkl hkl) = 0;

  // Maps a code with MapVkVkToVsc or MapVkVscToVkEx under the layout hkl; 0 when there is no
  // mapping. hkl 0 means the calling thread's active layout.
  virtual unsigned MapVirtualKeyExW(unsigned code, unsigned mapType, THkl hkl) = 0;

  // The installed input languages, at most maxCount of them.
  virtual std::vector<THkl> GetKeyboardLayoutList(int maxCount) = 0;

  // Loads a layout by its eight-hex-digit identifier ("04090409"); 0 on failure.
  virtual THkl LoadKeyboardLayoutW(const std::wstring& layoutId, unsigned flags) = 0;
  virtual bool UnloadKeyboardLayout(THkl hkl) = 0;

  // The calling thread's keyboard state; false (state untouched) on failure.
  virtual bool GetKeyboardState(TKeyboardState& state) = 0;

  // The system's state of one key: high bit down, low bit toggled (as GetKeyState).
  virtual std::int16_t GetKeyState(int virtKey) = 0;

  // The input language of the foreground window's thread; 0 when there is none.
  virtual THkl GetForegroundKeyboardLayout() = 0;
};
