#include "commands/command_cycling.h"

#include "settings/settings_table.h"

namespace {

int Next(int stored, TSettingId id) {
  const TSettingDef& s = Setting(id);
  return stored >= s.Min && stored < s.Max ? stored + 1 : s.Min;
}

}  // namespace

int NextColorScheme(int stored) { return Next(stored, TSettingId::ColorScheme); }
