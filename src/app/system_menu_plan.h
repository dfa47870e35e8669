#pragma once
// The program's commands in the keyboard window's system menu: their command ids, the items
// appended under the system's own items, and which command a WM_SYSCOMMAND id stands for.
#include <cstdint>
#include <string>
#include <vector>

#include "app/command_captions.h"

// The system-menu command ids of the program's commands.
enum class TCommandId : unsigned {
  AboutOrvilla = 1026,
  EnableKeyRepeat = 1027,
  ChangeColors = 1028,
  ChangeKeyboardType = 1029,
  FitWidth = 1030,
  AboutSentaro = 1031,
  OnlineHelp = 1032,
  Settings = 1033,
  LockSize = 1034,
  OnlineKeyboard = 1035,
  HoverPress = 1036,
  WordSuggestions = 1037,
  KeepClear = 1038,
  Scanning = 1039,
  ClickSound = 1040,
};

// The switches whose menu items carry a check mark.
struct TCommandSwitches {
  bool EnableKeyRepeat = false;
  bool FitWidth = false;
  bool LockSize = false;
  bool HoverPress = false;
  bool WordSuggestions = false;
  bool KeepClear = false;
  bool Scanning = false;
  bool ClickSound = false;
};

// One AppendMenuW call: a separator (id 0, empty caption) or a plain string item.
struct TSystemMenuItem {
  bool Separator = false;
  unsigned Id = 0;
  std::wstring Caption;
  bool Checked = false;
};

// The nineteen items appended, in order, under the system's own items.
std::vector<TSystemMenuItem> SystemMenuItems(const TCommandCaptions& captions,
                                             const TCommandSwitches& switches);

// The item of one command as the menu shows it now (for ModifyMenuW after a switch changed).
// Separators have no command and are not returned here.
TSystemMenuItem SystemMenuItem(TCommandId id, const TCommandCaptions& captions,
                               const TCommandSwitches& switches);

// The program's command a WM_SYSCOMMAND wParam names, compared whole (the ids use the low four
// bits that the system's own SC_ commands reserve); false for every other command, which goes to
// the default handling.
bool CommandOfSysCommand(std::uintptr_t wParam, TCommandId& command);
