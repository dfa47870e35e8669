#include "app/command_captions.h"

#include "i18n/orv_languages.h"

namespace {
std::wstring ReplaceFirst(std::wstring text, const std::wstring& what, const std::wstring& with) {
  const auto pos = text.find(what);
  if (pos != std::wstring::npos) text.replace(pos, what.size(), with);
  return text;
}
}  // namespace

TCommandCaptions TranslateCommandCaptions(std::uint16_t uiLanguage, const std::wstring& versionText) {
  auto tr = [uiLanguage](const wchar_t* text) { return Translate(text, 0, uiLanguage); };
  TCommandCaptions c;
  c.EnableKeyRepeat = tr(L"Enable key repeat");
  c.FitWidth = tr(L"Fit width");
  c.LockSize = tr(L"Lock window size");
  c.HoverPress = tr(L"Hover to type");
  c.WordSuggestions = tr(L"Word suggestions");
  c.KeepClear = tr(L"Keep clear of the text cursor");
  c.Scanning = tr(L"Scanning");
  c.ClickSound = tr(L"Click sound");
  c.ChangeColors = tr(L"Change colors");
  c.ChangeKeyboardType = tr(L"Change keyboard type");
  c.OnlineKeyboard = tr(L"Online Keyboard");
  c.OnlineHelp = tr(L"Online Help");
  c.AboutOrvilla = ReplaceFirst(tr(L"About %1"), L"%1", L"Orvilla") + L" " + versionText;
  c.AboutSentaro = ReplaceFirst(tr(L"About %1"), L"%1", L"Sentaro");
  c.Settings = tr(L"Settings");
  return c;
}
