#include "commands/command_captions.h"

#include "i18n/orv_languages.h"

namespace {
std::wstring ReplaceFirst(std::wstring text, const std::wstring& what, const std::wstring& with) {
  const auto pos = text.find(what);
  if (pos != std::wstring::npos) text.replace(pos, what.size(), with);
  return text;
}
}  // namespace

TCommandCaptions TranslateCommandCaptions(std::uint16_t uiLanguage, const std::wstring& versionText) {
  TCommandCaptions captions;
  for (const TCommandDef& command : CommandTable()) {
    std::wstring caption = Translate(command.Caption, 0, uiLanguage);
    if (command.Name) caption = ReplaceFirst(caption, L"%1", command.Name);
    if (command.WithVersion) caption += L" " + versionText;
    captions.FCaptions[static_cast<unsigned>(command.Id) - FirstCommandId] = caption;
  }
  return captions;
}
