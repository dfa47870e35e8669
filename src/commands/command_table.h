#pragma once
// The command table: every command of the program once, with its id, its caption, its check mark
// and its handler. The table builds the keyboard window's system menu (in the table's order),
// serves WM_SYSCOMMAND and the Apps key (which runs Settings), and gives the settings dialog the
// captions of its switches and buttons.
//
// To add a command:
//  1. add its id to TCommandId, the next number after the last, and move LastCommandId to it;
//  2. add its row to CommandTable in command_table.cpp at the place its item takes in the menu:
//     the caption in English (add the text to src/i18n/translation_table.cpp in every language),
//     whether a separator goes before it, and either the switch setting it toggles (the menu shows
//     that setting's value as its check mark) or its handler, a function of TCommandContext;
//  3. the menu, WM_SYSCOMMAND and the captions follow from the row; the keyboard window does not
//     change.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings_table.h"
#include "settings/settings_target.h"

class TAppIni;

// The system-menu command ids of the program's commands. They use the low four bits that the
// system's own SC_ commands reserve, so WM_SYSCOMMAND compares them whole.
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
inline constexpr unsigned FirstCommandId = 1026;
inline constexpr unsigned LastCommandId = 1040;

// What a command's handler works on.
struct TCommandContext {
  TSettingsTarget& Settings;
  TAppIni& Store;
  std::uint16_t UiLanguage = 0;
  // Makes the settings dialog when it does not exist yet, and shows it.
  std::function<void()> ShowSettings;
  // The keyboard type that follows the stored one: the built-in layouts, then the layout files.
  std::function<int()> NextKeyboardType;
};

// One row of the command table.
struct TCommandDef {
  TCommandId Id;
  // In English, translated into the interface language; "%1" stands for Name.
  const wchar_t* Caption;
  const wchar_t* Name;   // nullptr: no "%1" in the caption
  bool WithVersion;      // the program's version follows the caption
  bool SeparatorBefore;  // a separator goes before its menu item
  // The switch the command toggles and shows checked; TSettingId::Count for none.
  TSettingId Switch;
  // What the command does, for a command that is no switch.
  void (*Run)(TCommandContext& context);
};

// The rows, in the order of the menu.
const std::vector<TCommandDef>& CommandTable();

// The row of a command id; every TCommandId has one.
const TCommandDef& Command(TCommandId id);
// Whether a switch setting is on.
using TSwitchState = std::function<bool(TSettingId)>;
// The check mark of a command: the value of its switch; false for a command that is no switch.
bool CommandChecked(const TCommandDef& command, const TSwitchState& switches);
// Runs a command: a switch is applied with the opposite of its value, any other runs its handler.
void RunCommand(const TCommandDef& command, TCommandContext& context);
