#include "dialog/settings_controls.h"

#include <utility>

TSettingsControlPlan PlanControl(TSettingsControl control, TSettingsControlKind kind, int left, int top, int width,
                                 int height, int tabOrder, std::wstring text) {
  TSettingsControlPlan p;
  p.Control = control;
  p.Kind = kind;
  p.Bounds = {left, top, left + width, top + height};
  p.TabOrder = tabOrder;
  p.Text = std::move(text);
  return p;
}

int TimeTrackBarPosition(TSettingId id, int milliseconds) { return (LimitSetting(id, milliseconds) + 50) / 100; }

int TimeOfTrackBarPosition(TSettingId id, int position) { return LimitSetting(id, position * 100); }

std::wstring TimeText(TSettingId id, int milliseconds) {
  const int tenths = TimeTrackBarPosition(id, milliseconds);
  return std::to_wstring(tenths / 10) + L"." + std::to_wstring(tenths % 10) + L" s";
}
