// The keyboard window's layouts from files: read when first needed (a stored file layout, the
// command "Change keyboard type", the settings dialog), never at a start with a built-in layout.
#include <windows.h>

#include "app/win32/main_form.h"
#include "keyboard/win32/layout_files_win32.h"
#include "platform/debug_log.h"
#include "platform/ini_integer.h"
#include "settings/win32/settings_files_win32.h"

namespace {

constexpr int SpecialFolderAppData = 0x001A;  // CSIDL_APPDATA

}  // namespace

const TKeyboardTypes& TMainForm::KeyboardTypes() {
  if (!FKeyboardTypes) {
    TWin32LayoutFileSystem files;
    const bool inRegistry = FAppIni.UsesRegistry();
    const std::vector<std::wstring> folders =
        LayoutFolders(ExePath, inRegistry, inRegistry ? GetSpecialFolderPath(SpecialFolderAppData) : std::wstring());
    FKeyboardTypes.emplace(ReadLayoutFiles(files, folders, [](const std::wstring& line) { Log(line); }));
  }
  return *FKeyboardTypes;
}

int TMainForm::StoredKeyboardType() {
  const std::wstring stored = FAppIni.ReadText(TSettingId::KeyboardType, L"1");
  // A number needs no layout file read.
  if (ParseIniInteger(stored)) return TKeyboardTypes().TypeOfStored(stored);
  return KeyboardTypes().TypeOfStored(stored);
}

int TMainForm::KeyboardTypeToApply(int value) {
  if (value <= LayoutCount) return LimitSetting(TSettingId::KeyboardType, value);
  return KeyboardTypes().IsFileType(value) ? value : 1;
}

void TMainForm::LoadKeyboardLayout() {
  const int type = Value(TSettingId::KeyboardType);
  if (type > LayoutCount)
    FKeyboard->LoadLayoutText(KeyboardTypes().Text(type));
  else
    FKeyboard->LoadLayout(type);
}

void TMainForm::StoreKeyboardType() {
  const int type = Value(TSettingId::KeyboardType);
  if (type > LayoutCount)
    FAppIni.WriteText(TSettingId::KeyboardType, KeyboardTypes().StoredValue(type));
  else
    FAppIni.Write(TSettingId::KeyboardType, type);
}

std::vector<std::wstring> TMainForm::FileLayoutNames() {
  std::vector<std::wstring> names;
  for (const TFileLayout& layout : KeyboardTypes().Files()) names.push_back(layout.Name);
  return names;
}
