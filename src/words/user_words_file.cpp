#include "words/user_words_file.h"

#include "platform/text_helpers.h"
#include "settings/settings_error.h"

std::wstring UserWordsFileName(const std::wstring& iniFileName, const std::wstring& appDataFolder) {
  if (!iniFileName.empty()) {
    const auto slash = iniFileName.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : iniFileName.substr(0, slash);
    return PathCombine(folder, UserWordsFileTitle);
  }
  if (appDataFolder.empty()) return {};
  return PathCombine(PathCombine(appDataFolder, L"Orvilla"), UserWordsFileTitle);
}

void TUserWordsFile::Load(TUserWords& words) {
  if (FFileName.empty()) return;
  words.Load(FFiles.ReadStart(FFileName, TUserWords::MaxFileBytes));
}

void TUserWordsFile::SaveIfChanged(TUserWords& words) {
  if (FFileName.empty() || !words.Changed()) return;
  if (FFiles.Replace(FFileName, words.Serialize())) {
    words.MarkSaved();
    return;
  }
  if (FFailureReported) return;
  FFailureReported = true;
  ReportWriteFailure();
}

void TUserWordsFile::Forget(TUserWords& words) {
  words.Clear();
  if (FFileName.empty() || FFiles.Replace(FFileName, words.Serialize())) {
    words.MarkSaved();
    return;
  }
  FFailureReported = true;
  ReportWriteFailure();
}

void TUserWordsFile::ReportWriteFailure() const {
  std::wstring message = L"Unable to write to %s";
  message.replace(message.find(L"%s"), 2, FFileName);
  throw TSettingsError(message);
}
