#pragma once
// The user dictionary's file on Windows: read from its start, replaced whole through a temporary
// file beside it, its folder made when missing.
#include <string>

#include "words/user_words_file.h"

class TWin32UserWordsFiles : public TUserWordsFiles {
 public:
  std::string ReadStart(const std::wstring& fileName, std::size_t maxBytes) override;
  bool Replace(const std::wstring& fileName, const std::string& content) override;
};

// Orvilla-words.txt beside the INI file in use, else under %APPDATA%\Orvilla.
std::wstring UserWordsFileNameHere(const std::wstring& iniFileName);
