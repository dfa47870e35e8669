#pragma once
// The settings store: flat named integers and booleans, kept either in the INI file's section
// "Main" or as REG_DWORD values of one registry key, plus the placement of a window.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "settings/ini_section.h"
#include "settings/settings_backends.h"
#include "settings/settings_error.h"
#include "settings/settings_table.h"
#include "settings/window_placement.h"

// The settings key, absolute from the root key.
inline constexpr wchar_t SettingsRegistryKey[] = L"\\SOFTWARE\\Lunavar\\Orvilla";
inline constexpr wchar_t SettingsIniSection[] = L"Main";

class TAppIni {
 public:
  // A store on the registry that can open no key: every read answers its default and writes are
  // dropped.
  TAppIni();
  // Opens the settings key under HKEY_LOCAL_MACHINE when commonSettings, else under
  // HKEY_CURRENT_USER; iniFiles attaches INI files later (SetIniFileName).
  TAppIni(std::unique_ptr<TRegistryBackend> registry, TIniFileFactory iniFiles, bool commonSettings,
          std::wstring registryKey = SettingsRegistryKey);
  TAppIni(const TAppIni&) = delete;
  TAppIni& operator=(const TAppIni&) = delete;
  ~TAppIni();

  // True while no INI file is attached.
  bool UsesRegistry() const { return FIniFile == nullptr; }
  const std::wstring& IniFileName() const { return FIniFileName; }
  // The rights the registry key was opened with; none when no key is open.
  std::optional<TRegistryRights> RegistryRights() const { return FRegistryRights; }

  // Reads never raise: a missing value, INI text that is no integer and a registry value of
  // another type or size than a 4-byte REG_DWORD all answer defaultValue.
  bool ReadBool(const std::wstring& name, bool defaultValue);
  int ReadInteger(const std::wstring& name, int defaultValue);
  // Writes raise TSettingsError when the INI file cannot be written ("Unable to write to %s") or
  // the system refuses a registry write ("Failed to set data for '%s'"). A registry key that is
  // not open with full access takes no writes: they are skipped silently.
  void WriteBool(const std::wstring& name, bool value);
  void WriteInteger(const std::wstring& name, int value);
  // A value as text (a setting that holds a name: the keyboard type of a layout file). In the
  // registry a text is a REG_SZ value, and a REG_DWORD reads as its decimal text. Reads and writes
  // behave as above.
  std::wstring ReadText(const std::wstring& name, const std::wstring& defaultValue);
  void WriteText(const std::wstring& name, const std::wstring& value);

  // A setting of the settings table under its key, with the table's default or one known only at
  // run time; a Bool setting reads as 0 or 1. Reads and writes behave as above.
  int Read(TSettingId id);
  int Read(TSettingId id, int defaultValue);
  // The number the store holds for a setting, as it is (a Bool's too); none when it holds none that
  // reads as a number. Never raises.
  std::optional<int> ReadStored(TSettingId id);
  void Write(TSettingId id, int value);
  // A setting stored as text (a layout file's name for KeyboardType).
  std::wstring ReadText(TSettingId id, const std::wstring& defaultValue) {
    return ReadText(Setting(id).Key, defaultValue);
  }
  void WriteText(TSettingId id, const std::wstring& value) { WriteText(Setting(id).Key, value); }

  // A burst of reads (the start-up's): the INI file's section is read once, and the reads that
  // follow answer from that copy, as the file would, until EndReadBatch, the next write or another
  // file. Each read of the file otherwise takes its lock and opens it again. Reads from the
  // registry are not batched.
  void BeginReadBatch();
  void EndReadBatch() { FReadBatch.reset(); }

  // Attaches the INI file of that name (all reads and writes go there from then on); an empty
  // name returns the store to the registry. The same name again changes nothing.
  void SetIniFileName(const std::wstring& fileName);

  // Stores the window's placement under the keys of WindowTop, WindowLeft, WindowHeight,
  // WindowWidth and WindowState. The first save after a load (at start-up, where applying
  // "LockSize" saves the placement just loaded) writes only the values that differ from those the
  // load read. Never raises.
  void SaveFormPlacement(TPlacementWindow& form, bool onlyPosition);
  // Applies the stored placement: position, then size (sizeable windows only) and state. A stored
  // value that would make the window unusable (UsablePlacement) is replaced by the window's own.
  void LoadFormPlacement(TPlacementWindow& form, bool onlyPosition);

 private:
  void OpenRegistryKey();
  std::optional<int> ReadStoredInteger(const std::wstring& name);
  // A text of the INI file's section: from the read batch while there is one.
  std::wstring ReadIniString(const std::wstring& name, const std::wstring& defaultValue);
  // Writes a value of the placement unless the last load read that very value.
  void WritePlacement(TSettingId id, int value);

  // The placement values the last load read as stored (none: not stored), until the next save.
  std::map<TSettingId, std::optional<int>> FLoadedPlacement;
  std::unique_ptr<TRegistryBackend> FRegistry;
  std::unique_ptr<TIniFileBackend> FIniFile;
  std::optional<TIniSection> FReadBatch;  // the INI section read whole by BeginReadBatch
  std::wstring FIniFileName;
  TIniFileFactory FIniFiles;
  bool FCommonSettings = false;
  std::wstring FRegistryKey;
  std::optional<TRegistryRights> FRegistryRights;
};

// Module state of the store, set up at start before any window exists.
extern bool CommonSettings;              // the command line holds the switch "COMMON"
extern std::unique_ptr<TAppIni> AppIni;  // the one store of the run
extern std::wstring ExePath;             // the executable's folder, ending in a backslash
