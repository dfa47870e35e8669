#include "settings/app_ini.h"

#include <cstdint>
#include <utility>

#include "platform/ini_integer.h"

bool CommonSettings = false;
std::unique_ptr<TAppIni> AppIni;
std::wstring ExePath;

namespace {

std::wstring Quoted(const wchar_t* format, const std::wstring& name) {
  std::wstring text = format;
  const auto pos = text.find(L"%s");
  if (pos != std::wstring::npos) text.replace(pos, 2, name);
  return text;
}

}  // namespace

TAppIni::TAppIni() : TAppIni(nullptr, nullptr, false) {}

TAppIni::TAppIni(std::unique_ptr<TRegistryBackend> registry, TIniFileFactory iniFiles, bool commonSettings,
                 std::wstring registryKey)
    : FRegistry(std::move(registry)),
      FIniFiles(std::move(iniFiles)),
      FCommonSettings(commonSettings),
      FRegistryKey(std::move(registryKey)) {
  OpenRegistryKey();
}

TAppIni::~TAppIni() = default;

void TAppIni::OpenRegistryKey() {
  FRegistryRights.reset();
  if (!FRegistry) return;
  const TRegistryRoot root = FCommonSettings ? TRegistryRoot::LocalMachine : TRegistryRoot::CurrentUser;
  if (FRegistry->CreateKey(root, FRegistryKey)) {
    FRegistryRights = TRegistryRights::AllAccess;
    return;
  }
  for (const TRegistryRights rights :
       {TRegistryRights::Read, TRegistryRights::QueryAndEnumerate, TRegistryRights::QueryValue}) {
    if (FRegistry->OpenKey(root, FRegistryKey, rights)) {
      FRegistryRights = rights;
      return;
    }
  }
}

bool TAppIni::ReadBool(const std::wstring& name, bool defaultValue) {
  return ReadInteger(name, defaultValue ? 1 : 0) != 0;
}

int TAppIni::ReadInteger(const std::wstring& name, int defaultValue) {
  return ReadStoredInteger(name).value_or(defaultValue);
}

std::optional<int> TAppIni::ReadStoredInteger(const std::wstring& name) {
  if (FIniFile) return ParseIniInteger(ReadIniString(name, L""));
  if (!FRegistry || !FRegistryRights) return std::nullopt;
  // A value of another type or size is no setting of this program: it reads as absent, so that a
  // stray value in the key can never stop the program from starting.
  const TRegistryValue value = FRegistry->ReadDword(name);
  if (value.Status != TRegistryValueStatus::Found) return std::nullopt;
  return static_cast<int>(static_cast<std::int32_t>(value.Data));
}

void TAppIni::WriteBool(const std::wstring& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void TAppIni::WriteInteger(const std::wstring& name, int value) {
  FReadBatch.reset();
  if (FIniFile) {
    if (!FIniFile->WriteString(SettingsIniSection, name, std::to_wstring(value)))
      throw TSettingsError(Quoted(L"Unable to write to %s", FIniFileName));
    return;
  }
  if (!FRegistry || FRegistryRights != TRegistryRights::AllAccess) return;
  if (!FRegistry->WriteDword(name, static_cast<std::uint32_t>(value)))
    throw TSettingsError(Quoted(L"Failed to set data for '%s'", name));
}

std::wstring TAppIni::ReadText(const std::wstring& name, const std::wstring& defaultValue) {
  if (FIniFile) return ReadIniString(name, defaultValue);
  if (!FRegistry || !FRegistryRights) return defaultValue;
  if (std::optional<std::wstring> text = FRegistry->ReadText(name)) return *text;
  // A number stored as a number reads as its decimal text.
  const TRegistryValue value = FRegistry->ReadDword(name);
  if (value.Status != TRegistryValueStatus::Found) return defaultValue;
  return std::to_wstring(static_cast<std::int32_t>(value.Data));
}

void TAppIni::WriteText(const std::wstring& name, const std::wstring& value) {
  FReadBatch.reset();
  if (FIniFile) {
    if (!FIniFile->WriteString(SettingsIniSection, name, value))
      throw TSettingsError(Quoted(L"Unable to write to %s", FIniFileName));
    return;
  }
  if (!FRegistry || FRegistryRights != TRegistryRights::AllAccess) return;
  if (!FRegistry->WriteText(name, value)) throw TSettingsError(Quoted(L"Failed to set data for '%s'", name));
}

std::wstring TAppIni::ReadIniString(const std::wstring& name, const std::wstring& defaultValue) {
  if (FReadBatch) return FReadBatch->Find(name).value_or(defaultValue);
  return FIniFile->ReadString(SettingsIniSection, name, defaultValue);
}

void TAppIni::BeginReadBatch() {
  FReadBatch.reset();
  if (!FIniFile) return;
  if (std::optional<std::vector<std::wstring>> lines = FIniFile->ReadSection(SettingsIniSection))
    FReadBatch.emplace(*lines);
}

int TAppIni::Read(TSettingId id) { return Read(id, Setting(id).Default); }

int TAppIni::Read(TSettingId id, int defaultValue) {
  const TSettingDef& setting = Setting(id);
  if (setting.Type == TSettingType::Bool) return ReadBool(setting.Key, defaultValue != 0) ? 1 : 0;
  return ReadInteger(setting.Key, defaultValue);
}

std::optional<int> TAppIni::ReadStored(TSettingId id) { return ReadStoredInteger(Setting(id).Key); }

void TAppIni::Write(TSettingId id, int value) {
  const TSettingDef& setting = Setting(id);
  if (setting.Type == TSettingType::Bool)
    WriteBool(setting.Key, value != 0);
  else
    WriteInteger(setting.Key, value);
}

void TAppIni::SetIniFileName(const std::wstring& fileName) {
  if (fileName == FIniFileName) return;
  FIniFileName = fileName;
  FReadBatch.reset();
  FIniFile.reset();
  if (!fileName.empty() && FIniFiles) FIniFile = FIniFiles(fileName);
}

void TAppIni::WritePlacement(TSettingId id, int value) {
  const auto loaded = FLoadedPlacement.find(id);
  if (loaded != FLoadedPlacement.end() && loaded->second == value) return;
  Write(id, value);
}

void TAppIni::SaveFormPlacement(TPlacementWindow& form, bool onlyPosition) {
  try {
    if (onlyPosition) {
      WritePlacement(TSettingId::WindowTop, form.Top());
      WritePlacement(TSettingId::WindowLeft, form.Left());
    } else if (form.State() != TWindowState::Normal) {
      WritePlacement(TSettingId::WindowState, 1);
    } else {
      WritePlacement(TSettingId::WindowTop, form.Top());
      WritePlacement(TSettingId::WindowLeft, form.Left());
      if (form.HasMaximizeButton()) {
        WritePlacement(TSettingId::WindowHeight, form.Height());
        WritePlacement(TSettingId::WindowWidth, form.Width());
      }
      WritePlacement(TSettingId::WindowState, 0);
    }
  } catch (const std::exception&) {
    // A placement that cannot be stored is simply not stored.
  }
  FLoadedPlacement.clear();
}

void TAppIni::LoadFormPlacement(TPlacementWindow& form, bool onlyPosition) {
  FLoadedPlacement.clear();
  const auto read = [this](TSettingId id) { return FLoadedPlacement[id] = ReadStored(id); };
  const int state = read(TSettingId::WindowState).value_or(0);
  const TPlacementBox current{form.Left(), form.Top(), form.Width(), form.Height()};
  const bool sized = !onlyPosition && form.HasSizeableBorder();
  TPlacementBox stored = current;
  stored.Top = read(TSettingId::WindowTop).value_or(current.Top);
  stored.Left = read(TSettingId::WindowLeft).value_or(current.Left);
  if (sized) {
    stored.Height = read(TSettingId::WindowHeight).value_or(current.Height);
    stored.Width = read(TSettingId::WindowWidth).value_or(current.Width);
  }
  // The window's current placement is the default of every stored value that would make it
  // unusable.
  const TPlacementBox placement = UsablePlacement(stored, current, form.MonitorBounds());
  form.SetTop(placement.Top);
  form.SetLeft(placement.Left);
  if (onlyPosition) return;
  if (sized) {
    form.SetHeight(placement.Height);
    form.SetWidth(placement.Width);
  }
  form.SetState(state != 0 && form.HasMaximizeButton() ? TWindowState::Maximized : TWindowState::Normal);
}
