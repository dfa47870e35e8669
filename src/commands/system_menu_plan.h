#pragma once
// The program's commands in the keyboard window's system menu, from the command table: the items
// appended under the system's own items, and which command a WM_SYSCOMMAND id stands for.
#include <cstdint>
#include <string>
#include <vector>

#include "commands/command_captions.h"
#include "commands/command_table.h"

// One AppendMenuW call: a separator (id 0, empty caption) or a plain string item.
struct TSystemMenuItem {
  bool Separator = false;
  unsigned Id = 0;
  std::wstring Caption;
  bool Checked = false;
};

// The items appended, in the command table's order, under the system's own items: each command
// with the separator its row asks for before it.
std::vector<TSystemMenuItem> SystemMenuItems(const TCommandCaptions& captions, const TSwitchState& switches);

// The item of one command as the menu shows it now (for ModifyMenuW after a switch changed).
// Separators have no command and are not returned here.
TSystemMenuItem SystemMenuItem(TCommandId id, const TCommandCaptions& captions, const TSwitchState& switches);

// The program's command a WM_SYSCOMMAND wParam names, compared whole (the ids use the low four
// bits that the system's own SC_ commands reserve); false for every other command, which goes to
// the default handling.
bool CommandOfSysCommand(std::uintptr_t wParam, TCommandId& command);
