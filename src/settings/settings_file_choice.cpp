#include "settings/settings_file_choice.h"

#include "platform/text_helpers.h"

bool IsUnderProgramFiles(const std::wstring& exeFileName, const std::wstring& programFiles) {
  return !programFiles.empty() && exeFileName.compare(0, programFiles.size(), programFiles) == 0;
}

void ChooseSettingsFile(TAppIni& ini, TSettingsFileSystem& files, const std::wstring& exeFileName,
                        const std::wstring& exeFolder) {
  if (IsUnderProgramFiles(exeFileName, files.SpecialFolderPath(SpecialFolderProgramFiles))) return;
  const std::wstring desktop = files.SpecialFolderPath(SpecialFolderDesktop);
  if (!desktop.empty() && exeFileName == PathCombine(desktop, L"Orvilla.exe")) return;
  const std::wstring candidate = PathCombine(exeFolder, L"Orvilla.ini");
  if (files.WriteTestFile(candidate)) ini.SetIniFileName(candidate);
}
