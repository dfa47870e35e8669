#pragma once
// Where the keyboard control gets its legends from: localised key names and the character a key
// shows under a modifier state. The keyboard control asks PrepareLegends after the input language
// or the layout changed and keeps what it returns; key drawing asks GetLegend; the rest of a
// table is made by FillPendingLegends while the program is idle.
#include <bitset>
#include <cstdint>
#include <string>

#include "keyboard/key_legend_names.h"
#include "keys/keyboard_services.h"

// What the keyboard shows: the codes of its keys and the keyboard state they are drawn in. Their
// legends are made ready by PrepareLegends; the rest of a language's table can wait.
struct TShownLegends {
  std::bitset<256> Codes;
  TKeyboardState State{};
};

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
  // its legend table, found or begun with services, with the legends of shown ready.
  virtual TPreparedLegends PrepareLegends(THkl hkl, const TKeyNames& keyNames, const TShownLegends& shown,
                                          TKeyboardServices& services) = 0;
  // The character legend of a key code under a keyboard state, from table langIndex; a legend
  // not made yet is made with services.
  virtual std::wstring GetLegend(std::int32_t langIndex, const TKeyboardState& state, std::uint8_t code,
                                 TKeyboardServices& services) = 0;
  // Makes one more part of table langIndex with services, when the program has nothing else to
  // do. False when the table is complete.
  virtual bool FillPendingLegends(std::int32_t langIndex, TKeyboardServices& services) = 0;
};
