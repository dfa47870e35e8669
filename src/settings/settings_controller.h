#pragma once
// The settings while the program runs: the value of every setting of the settings table, and the
// one way to change one. Applying a value keeps it as its row limits it (or as the program knows
// better: a layout file's keyboard type), makes the program follow it, moves the check mark of a
// switch and stores it as its row's Save says. The keyboard window holds one and answers for the
// effects; the settings dialog, the command table and the slider reach it through the window's
// TSettingsTarget.
#include <array>
#include <optional>

#include "settings/app_ini.h"
#include "settings/settings_table.h"

// What the program does when a setting changes: the keyboard window's part.
class TSettingEffects {
 public:
  virtual ~TSettingEffects() = default;

  // The value applying keeps; the settings table's limit unless the program knows better.
  virtual int AcceptedValue(TSettingId id, int value) { return LimitSetting(id, value); }
  // Makes the running program follow a setting's new value, which the controller holds already.
  virtual void SettingApplied(TSettingId id, int value) = 0;
  // The check marks of a switch follow its value.
  virtual void SwitchChanged(TSettingId id) = 0;
  // Stores a setting whose row says TSettingSave::ByProgram.
  virtual void StoreByProgram(TSettingId id, int value) = 0;
  // Starts the lazy save's wait again, for a setting whose row says TSettingSave::Lazy.
  virtual void ScheduleLazySave() = 0;
};

class TSettingsController {
 public:
  // Every value starts as its row's default.
  TSettingsController(TAppIni& store, TSettingEffects& effects);

  int Value(TSettingId id) const { return FValues[Index(id)]; }
  bool Switch(TSettingId id) const { return Value(id) != 0; }

  // Takes a value as it is, neither applied nor stored: at start-up, before the program follows it.
  void Load(TSettingId id, int value) { FValues[Index(id)] = value; }
  // Loads the stored value (the row's default when none).
  void LoadStored(TSettingId id) { Load(id, FStore.Read(id)); }

  // Keeps the accepted value, makes the program follow it, moves a switch's check marks and stores
  // it. An error of the store propagates after the value is applied and shown.
  void Apply(TSettingId id, int value) { Apply(id, value, std::nullopt); }
  // Applies the stored value (the row's default when none) as Apply does, but stores it only when
  // the store does not hold the very value kept: a start writes back no value it has just read,
  // only one that was missing, limited or fixed.
  void ApplyStored(TSettingId id);

  // The lazy save's part: writes the settings whose row says TSettingSave::Lazy.
  void SaveLazy();

 private:
  static std::size_t Index(TSettingId id) { return static_cast<std::size_t>(id); }
  // Apply, storing nothing when the store holds the kept value already (held).
  void Apply(TSettingId id, int value, std::optional<int> held);

  TAppIni& FStore;
  TSettingEffects& FEffects;
  std::array<int, SettingCount> FValues{};
};
