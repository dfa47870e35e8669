#include "settings/settings_controller.h"

TSettingsController::TSettingsController(TAppIni& store, TSettingEffects& effects) : FStore(store), FEffects(effects) {
  for (const TSettingDef& row : SettingsTable) FValues[Index(row.Id)] = row.Default;
}

void TSettingsController::ApplyStored(TSettingId id) {
  const std::optional<int> held = FStore.ReadStored(id);
  Apply(id, held.value_or(Setting(id).Default), held);
}

void TSettingsController::Apply(TSettingId id, int value, std::optional<int> held) {
  const TSettingDef& row = Setting(id);
  const int kept = FEffects.AcceptedValue(id, value);
  FValues[Index(id)] = row.Type == TSettingType::Bool ? kept != 0 : kept;
  FEffects.SettingApplied(id, Value(id));
  if (row.Type == TSettingType::Bool) FEffects.SwitchChanged(id);
  if (held == Value(id)) return;
  switch (row.Save) {
    case TSettingSave::AtOnce: FStore.Write(id, Value(id)); break;
    case TSettingSave::Lazy: FEffects.ScheduleLazySave(); break;
    case TSettingSave::ByProgram: FEffects.StoreByProgram(id, Value(id)); break;
  }
}

void TSettingsController::SaveLazy() {
  for (const TSettingDef& row : SettingsTable)
    if (row.Save == TSettingSave::Lazy) FStore.Write(row.Id, Value(row.Id));
}
