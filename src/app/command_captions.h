#pragma once
// The captions of the program's commands, translated into the user-interface language once when
// the keyboard window is created.
#include <cstdint>
#include <string>

struct TCommandCaptions {
  std::wstring EnableKeyRepeat;
  std::wstring FitWidth;
  std::wstring LockSize;
  std::wstring HoverPress;
  std::wstring WordSuggestions;
  std::wstring KeepClear;
  std::wstring Scanning;
  std::wstring ClickSound;
  std::wstring ChangeColors;
  std::wstring ChangeKeyboardType;
  std::wstring OnlineKeyboard;
  std::wstring OnlineHelp;
  std::wstring AboutOrvilla;  // "About Orvilla" and the version text
  std::wstring AboutSentaro;
  std::wstring Settings;
};

TCommandCaptions TranslateCommandCaptions(std::uint16_t uiLanguage, const std::wstring& versionText);
