#pragma once
// The user dictionary's file: where it lives, reading it at start and writing it through the lazy
// save. A missing, unreadable or damaged file gives an empty dictionary; a file that cannot be
// written is reported once (TSettingsError, "Unable to write to %s"), later failures are kept
// quiet, and the words stay in memory to be written at the next save.
#include <cstddef>
#include <string>
#include <utility>

#include "words/user_words.h"

inline constexpr wchar_t UserWordsFileTitle[] = L"Orvilla-words.txt";

// Next to the INI file when the settings are in one, else in the folder Orvilla under the user's
// application-data folder. Empty when neither is known.
std::wstring UserWordsFileName(const std::wstring& iniFileName, const std::wstring& appDataFolder);

// The file system as the dictionary needs it.
class TUserWordsFiles {
 public:
  virtual ~TUserWordsFiles() = default;
  // At most maxBytes from the start of the file; nothing when it is missing or unreadable.
  virtual std::string ReadStart(const std::wstring& fileName, std::size_t maxBytes) = 0;
  // Replaces the file's content (creating its folder when missing). False on failure.
  virtual bool Replace(const std::wstring& fileName, const std::string& content) = 0;
};

class TUserWordsFile {
 public:
  TUserWordsFile(TUserWordsFiles& files, std::wstring fileName) : FFiles(files), FFileName(std::move(fileName)) {}
  const std::wstring& FileName() const { return FFileName; }

  void Load(TUserWords& words);
  // Writes words when they changed since the last write.
  void SaveIfChanged(TUserWords& words);
  // "Forget learned words": empties words and writes the file empty at once. A failure is
  // reported every time: the user asked for it.
  void Forget(TUserWords& words);

 private:
  [[noreturn]] void ReportWriteFailure() const;

  TUserWordsFiles& FFiles;
  std::wstring FFileName;
  bool FFailureReported = false;
};
