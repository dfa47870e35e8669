#include "settings/first_run.h"

#include "settings/settings_file_choice.h"

namespace {

std::wstring AsciiLower(std::wstring s) {
  for (auto& c : s)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return s;
}

}  // namespace

bool FirstRunPageDue(TAppIni& ini, const std::wstring& exeFileName, const std::wstring& programFiles) {
  const int site = ini.Read(TSettingId::FirstRunSite);
  if (site > 0) return false;
  ini.Write(TSettingId::FirstRunSite, site + 1);
  if (ini.Read(TSettingId::FirstRunSite) == 0) return false;
  if (AsciiLower(exeFileName).find(L"temp") != std::wstring::npos) return false;
  return !IsUnderProgramFiles(exeFileName, programFiles);
}
