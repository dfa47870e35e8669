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
  const int site = ini.ReadInteger(L"Site", 0);
  if (site > 0) return false;
  ini.WriteInteger(L"Site", site + 1);
  if (ini.ReadInteger(L"Site", 0) == 0) return false;
  if (AsciiLower(exeFileName).find(L"temp") != std::wstring::npos) return false;
  return !IsUnderProgramFiles(exeFileName, programFiles);
}
