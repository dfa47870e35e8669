#include "commands/command_table.h"

#include <stdexcept>

#include "commands/command_cycling.h"
#include "commands/web_links.h"
#include "settings/app_ini.h"

namespace {

using S = TSettingId;
constexpr TSettingId NoSwitch = TSettingId::Count;

// The cycling commands go on from the stored number, not from the value in use.
void ChangeColors(TCommandContext& c) {
  c.Settings.ApplySetting(S::ColorScheme, NextColorScheme(c.Store.Read(S::ColorScheme)));
}
void ChangeKeyboardType(TCommandContext& c) { c.Settings.ApplySetting(S::KeyboardType, c.NextKeyboardType()); }
void ShowSettings(TCommandContext& c) { c.ShowSettings(); }
void OpenOnlineKeyboard(TCommandContext& c) { c.Settings.OpenUrl(OnlineKeyboardUrl(c.UiLanguage)); }
void OpenOnlineHelp(TCommandContext& c) { c.Settings.OpenUrl(OnlineHelpUrl(c.UiLanguage)); }
void OpenAboutOrvilla(TCommandContext& c) { c.Settings.OpenUrl(AboutOrvillaUrl(c.UiLanguage)); }
void OpenAboutSentaro(TCommandContext& c) { c.Settings.OpenUrl(AboutSentaroUrl(c.UiLanguage)); }

}  // namespace

const std::vector<TCommandDef>& CommandTable() {
  using C = TCommandId;
  // id, caption, %1, version, separator before, switch, handler
  static const std::vector<TCommandDef> table = {
      {C::EnableKeyRepeat, L"Enable key repeat", nullptr, false, true, S::EnableKeyRepeat, nullptr},
      {C::FitWidth, L"Fit width", nullptr, false, false, S::FitWidth, nullptr},
      {C::LockSize, L"Lock window size", nullptr, false, false, S::LockSize, nullptr},
      {C::HoverPress, L"Hover to type", nullptr, false, false, S::HoverPress, nullptr},
      {C::WordSuggestions, L"Word suggestions", nullptr, false, false, S::WordSuggestions, nullptr},
      {C::Scanning, L"Scanning", nullptr, false, false, S::Scanning, nullptr},
      {C::ClickSound, L"Click sound", nullptr, false, false, S::ClickSound, nullptr},
      {C::KeepClear, L"Keep clear of the text cursor", nullptr, false, false, S::KeepClear, nullptr},
      {C::ChangeColors, L"Change colors", nullptr, false, false, NoSwitch, &ChangeColors},
      {C::ChangeKeyboardType, L"Change keyboard type", nullptr, false, false, NoSwitch, &ChangeKeyboardType},
      {C::Settings, L"Settings", nullptr, false, true, NoSwitch, &ShowSettings},
      {C::OnlineKeyboard, L"Online Keyboard", nullptr, false, true, NoSwitch, &OpenOnlineKeyboard},
      {C::OnlineHelp, L"Online Help", nullptr, false, false, NoSwitch, &OpenOnlineHelp},
      {C::AboutOrvilla, L"About %1", L"Orvilla", true, false, NoSwitch, &OpenAboutOrvilla},
      {C::AboutSentaro, L"About %1", L"Sentaro", false, true, NoSwitch, &OpenAboutSentaro},
  };
  return table;
}

const TCommandDef& Command(TCommandId id) {
  for (const TCommandDef& command : CommandTable())
    if (command.Id == id) return command;
  throw std::logic_error("A command id without a row in the command table");
}

bool CommandChecked(const TCommandDef& command, const TSwitchState& switches) {
  return command.Switch != NoSwitch && switches(command.Switch);
}

void RunCommand(const TCommandDef& command, TCommandContext& context) {
  if (command.Switch != NoSwitch)
    context.Settings.ApplySetting(command.Switch, !context.Settings.Switch(command.Switch));
  else
    command.Run(context);
}
