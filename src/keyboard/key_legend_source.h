#pragma once
// Where the keyboard control gets its legends from: localised key names and the character a key
// shows under a modifier state. The keyboard control asks PrepareLegends after the input language
// or the layout changed and keeps what it returns; key drawing asks GetLegend.
#include <cstdint>
#include <string>

#include "keyboard/key_legend_names.h"
#include "keyboard/keyboard_services.h"

// What PrepareLegends finds for an input language: the key names to show and the index of the
// language's legend table (handed back to GetLegend).
struct TPreparedLegends {
  TKeyNames KeyNames;
  std::int32_t LangIndex = 0;
};

class TKeyLegends {
 public:
  virtual ~TKeyLegends() = default;
  // The legends of input language hkl: keyNames (the names shown so far) localised for it, and
  // its legend table, found or computed with services.
  virtual TPreparedLegends PrepareLegends(THkl hkl, const TKeyNames& keyNames,
                                          TKeyboardServices& services) = 0;
  // The character legend of a key code under a keyboard state, from table langIndex.
  virtual std::wstring GetLegend(std::int32_t langIndex, const TKeyboardState& state,
                                 std::uint8_t code) = 0;
};
