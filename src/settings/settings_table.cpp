#include "settings/settings_table.h"

#include <algorithm>

int LimitSetting(TSettingId id, int value) {
  const TSettingDef& s = Setting(id);
  switch (s.Limit) {
    case TSettingLimit::Kept: return value;
    case TSettingLimit::Nearest: return std::clamp(value, s.Min, s.Max);
    case TSettingLimit::AboveMaxToMin: return value > s.Max ? s.Min : value;
  }
  return value;
}

int ClampSetting(TSettingId id, int value) { return std::clamp(value, Setting(id).Min, Setting(id).Max); }
