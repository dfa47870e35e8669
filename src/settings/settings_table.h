#pragma once
// The settings table: every value the program stores, once, with its stored key, its type, its
// default and its limits. Reading, writing and limiting name a setting by its TSettingId, never by
// a key string, and every range is defined here alone.
//
// To add a setting:
//  1. add its id to TSettingId, before Count;
//  2. add its row to SettingsTable at the same place (the static_assert below checks the order).
//     The key is what users' INI files and registries hold: once shipped it never changes;
//  3. pin the key in tests/settings/settings_table_test.cpp (SettingsTable.KeysArePinned);
//  4. a setting the program holds while it runs goes through TSettingsController
//     (settings_controller.h): it loads the stored value at start-up, and Apply(id, value), which
//     the settings dialog and the command table reach through TSettingsTarget::ApplySetting,
//     limits, stores (as the row's Save says) and shows it; what the program does on a new value
//     is a case in the keyboard window's SettingApplied. Elsewhere read it with TAppIni::Read(id),
//     store it with TAppIni::Write(id, value), limit it with LimitSetting(id, value).
#include <cstddef>
#include <iterator>

#include "input/hover_press.h"
#include "keyboard/builtin_layouts.h"
#include "render/theme.h"
#include "scanning/scanner.h"
#include "scanning/switch_key.h"

enum class TSettingId {
  EnableKeyRepeat,
  FitWidth,
  LockSize,
  KeyboardType,
  ColorScheme,
  Transparency,
  HoverPress,
  HoverTime,
  FirstRunSite,
  KeepClear,
  WordSuggestions,
  SuggestionSpace,
  LearnWords,
  Scanning,
  ScanTime,
  ScanKey,
  ClickSound,
  ScanSound,
  // The keyboard window's placement.
  WindowTop,
  WindowLeft,
  WindowHeight,
  WindowWidth,
  WindowState,
  Count
};

enum class TSettingType {
  Bool,  // stored as 0 or 1; any other stored number reads as true
  Integer,
};

// What applying a setting makes of a value outside Min..Max.
enum class TSettingLimit {
  Kept,           // kept as it is (where it is used, it is limited to Min..Max: the opacity)
  Nearest,        // the nearest limit
  AboveMaxToMin,  // a value above Max becomes Min, lower values are kept (a stored 0 is the first layout)
};

// When applying a setting stores it (TSettingsController).
enum class TSettingSave {
  AtOnce,     // written as it is applied
  Lazy,       // written by the lazy save, a few seconds after the last change (the opacity)
  ByProgram,  // the program writes it in its own way (the keyboard type: a layout file by its name)
};

struct TSettingDef {
  TSettingId Id;
  const wchar_t* Key;
  TSettingType Type;
  int Default;
  int Min;
  int Max;
  TSettingLimit Limit;
  TSettingSave Save = TSettingSave::AtOnce;
};

inline constexpr TSettingDef SettingsTable[] = {
    {TSettingId::EnableKeyRepeat, L"EnableKeyRepeat", TSettingType::Bool, 1, 0, 1, TSettingLimit::Kept},
    {TSettingId::FitWidth, L"FitWidth", TSettingType::Bool, 0, 0, 1, TSettingLimit::Kept},
    {TSettingId::LockSize, L"LockSize", TSettingType::Bool, 0, 0, 1, TSettingLimit::Kept},
    // A built-in layout's number; a layout from a file is stored by its file name as text and has a
    // number above Max while the program runs (the keyboard window's StoreKeyboardType).
    {TSettingId::KeyboardType, L"Keyboard", TSettingType::Integer, 1, 1, LayoutCount, TSettingLimit::AboveMaxToMin,
     TSettingSave::ByProgram},
    // At start-up the system's choice (DefaultColorScheme: high contrast) stands in for the default.
    {TSettingId::ColorScheme, L"Colors", TSettingType::Integer, 1, 1, ColorSchemeCount, TSettingLimit::AboveMaxToMin},
    // The window's opacity: the stored number is kept, the window is drawn with it limited, so that
    // no stored value makes the keyboard invisible (and click-through).
    {TSettingId::Transparency, L"AlphaBlend", TSettingType::Integer, 255, 50, 255, TSettingLimit::Kept,
     TSettingSave::Lazy},
    {TSettingId::HoverPress, L"HoverPress", TSettingType::Bool, 0, 0, 1, TSettingLimit::Kept},
    // Hover typing's time in milliseconds; its range is the hover check's own.
    {TSettingId::HoverTime, L"HoverTime", TSettingType::Integer, HoverTimeDefault, HoverTimeMin, HoverTimeMax,
     TSettingLimit::Nearest},
    // How often the first-run page was due (FirstRunPageDue).
    {TSettingId::FirstRunSite, L"Site", TSettingType::Integer, 0, 0, 0, TSettingLimit::Kept},
    // The keyboard steps out of the caret's way.
    {TSettingId::KeepClear, L"KeepClear", TSettingType::Bool, 0, 0, 1, TSettingLimit::Kept},
    // Word suggestions: the row, a space after a suggestion, learning the words typed.
    {TSettingId::WordSuggestions, L"WordSuggestions", TSettingType::Bool, 0, 0, 1, TSettingLimit::Kept},
    {TSettingId::SuggestionSpace, L"SuggestionSpace", TSettingType::Bool, 1, 0, 1, TSettingLimit::Kept},
    {TSettingId::LearnWords, L"LearnWords", TSettingType::Bool, 1, 0, 1, TSettingLimit::Kept},
    // Switch scanning: on or off, its step time (milliseconds) and switch key (the scanner's own
    // limits: LimitScanTime, LimitScanKey), and its sounds.
    {TSettingId::Scanning, L"Scanning", TSettingType::Bool, 0, 0, 1, TSettingLimit::Kept},
    {TSettingId::ScanTime, L"ScanTime", TSettingType::Integer, ScanTimeDefault, ScanTimeMin, ScanTimeMax,
     TSettingLimit::Nearest},
    {TSettingId::ScanKey, L"ScanKey", TSettingType::Integer, ScanKeyDefault, 0, 255, TSettingLimit::Kept},
    {TSettingId::ClickSound, L"ClickSound", TSettingType::Bool, 0, 0, 1, TSettingLimit::Kept},
    {TSettingId::ScanSound, L"ScanSound", TSettingType::Bool, 0, 0, 1, TSettingLimit::Kept},
    // The placement's defaults are the window's own placement at the time it is loaded; the
    // limits are those of UsablePlacement.
    {TSettingId::WindowTop, L"TMainFormTop", TSettingType::Integer, 0, 0, 0, TSettingLimit::Kept},
    {TSettingId::WindowLeft, L"TMainFormLeft", TSettingType::Integer, 0, 0, 0, TSettingLimit::Kept},
    {TSettingId::WindowHeight, L"TMainFormHeight", TSettingType::Integer, 0, 0, 0, TSettingLimit::Kept},
    {TSettingId::WindowWidth, L"TMainFormWidth", TSettingType::Integer, 0, 0, 0, TSettingLimit::Kept},
    {TSettingId::WindowState, L"TMainFormState", TSettingType::Integer, 0, 0, 1, TSettingLimit::Kept},
};

inline constexpr std::size_t SettingCount = static_cast<std::size_t>(TSettingId::Count);

constexpr bool SettingsTableInIdOrder() {
  if (std::size(SettingsTable) != SettingCount) return false;
  for (std::size_t i = 0; i < SettingCount; ++i)
    if (static_cast<std::size_t>(SettingsTable[i].Id) != i) return false;
  return true;
}
static_assert(SettingsTableInIdOrder(), "one row per TSettingId, in the order of the ids");

constexpr const TSettingDef& Setting(TSettingId id) { return SettingsTable[static_cast<std::size_t>(id)]; }

// The value applying the setting keeps (its TSettingLimit).
int LimitSetting(TSettingId id, int value);
// The value limited to Min..Max.
int ClampSetting(TSettingId id, int value);
