#include "app/system_menu_plan.h"

namespace {

const std::wstring& CaptionOf(TCommandId id, const TCommandCaptions& c) {
  switch (id) {
    case TCommandId::AboutOrvilla: return c.AboutOrvilla;
    case TCommandId::EnableKeyRepeat: return c.EnableKeyRepeat;
    case TCommandId::ChangeColors: return c.ChangeColors;
    case TCommandId::ChangeKeyboardType: return c.ChangeKeyboardType;
    case TCommandId::FitWidth: return c.FitWidth;
    case TCommandId::AboutSentaro: return c.AboutSentaro;
    case TCommandId::OnlineHelp: return c.OnlineHelp;
    case TCommandId::Settings: return c.Settings;
    case TCommandId::LockSize: return c.LockSize;
    case TCommandId::OnlineKeyboard: return c.OnlineKeyboard;
    case TCommandId::HoverPress: return c.HoverPress;
    case TCommandId::WordSuggestions: return c.WordSuggestions;
    case TCommandId::KeepClear: return c.KeepClear;
    case TCommandId::Scanning: return c.Scanning;
    case TCommandId::ClickSound: return c.ClickSound;
  }
  return c.Settings;  // not reached: every id is listed above
}

bool CheckedOf(TCommandId id, const TCommandSwitches& s) {
  switch (id) {
    case TCommandId::EnableKeyRepeat: return s.EnableKeyRepeat;
    case TCommandId::FitWidth: return s.FitWidth;
    case TCommandId::LockSize: return s.LockSize;
    case TCommandId::HoverPress: return s.HoverPress;
    case TCommandId::WordSuggestions: return s.WordSuggestions;
    case TCommandId::KeepClear: return s.KeepClear;
    case TCommandId::Scanning: return s.Scanning;
    case TCommandId::ClickSound: return s.ClickSound;
    default: return false;
  }
}

constexpr unsigned kFirstId = static_cast<unsigned>(TCommandId::AboutOrvilla);
constexpr unsigned kLastId = static_cast<unsigned>(TCommandId::ClickSound);

}  // namespace

TSystemMenuItem SystemMenuItem(TCommandId id, const TCommandCaptions& captions,
                               const TCommandSwitches& switches) {
  TSystemMenuItem item;
  item.Id = static_cast<unsigned>(id);
  item.Caption = CaptionOf(id, captions);
  item.Checked = CheckedOf(id, switches);
  return item;
}

std::vector<TSystemMenuItem> SystemMenuItems(const TCommandCaptions& captions,
                                             const TCommandSwitches& switches) {
  const TSystemMenuItem separator{true, 0, L"", false};
  auto item = [&](TCommandId id) { return SystemMenuItem(id, captions, switches); };
  return {
      separator,
      item(TCommandId::EnableKeyRepeat),
      item(TCommandId::FitWidth),
      item(TCommandId::LockSize),
      item(TCommandId::HoverPress),
      item(TCommandId::WordSuggestions),
      item(TCommandId::Scanning),
      item(TCommandId::ClickSound),
      item(TCommandId::KeepClear),
      item(TCommandId::ChangeColors),
      item(TCommandId::ChangeKeyboardType),
      separator,
      item(TCommandId::Settings),
      separator,
      item(TCommandId::OnlineKeyboard),
      item(TCommandId::OnlineHelp),
      item(TCommandId::AboutOrvilla),
      separator,
      item(TCommandId::AboutSentaro),
  };
}

bool CommandOfSysCommand(std::uintptr_t wParam, TCommandId& command) {
  if (wParam < kFirstId || wParam > kLastId) return false;
  command = static_cast<TCommandId>(static_cast<unsigned>(wParam));
  return true;
}
