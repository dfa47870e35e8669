#include "commands/system_menu_plan.h"

TSystemMenuItem SystemMenuItem(TCommandId id, const TCommandCaptions& captions, const TSwitchState& switches) {
  TSystemMenuItem item;
  item.Id = static_cast<unsigned>(id);
  item.Caption = captions.Of(id);
  item.Checked = CommandChecked(Command(id), switches);
  return item;
}

std::vector<TSystemMenuItem> SystemMenuItems(const TCommandCaptions& captions, const TSwitchState& switches) {
  const TSystemMenuItem separator{true, 0, L"", false};
  std::vector<TSystemMenuItem> items;
  for (const TCommandDef& command : CommandTable()) {
    if (command.SeparatorBefore) items.push_back(separator);
    items.push_back(SystemMenuItem(command.Id, captions, switches));
  }
  return items;
}

bool CommandOfSysCommand(std::uintptr_t wParam, TCommandId& command) {
  for (const TCommandDef& row : CommandTable()) {
    if (wParam != static_cast<unsigned>(row.Id)) continue;
    command = row.Id;
    return true;
  }
  return false;
}
