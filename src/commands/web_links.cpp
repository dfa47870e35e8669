#include "commands/web_links.h"

#include "platform/text_helpers.h"

#include "commands/web_sites.h"
#include "i18n/orv_languages.h"

namespace {

constexpr std::uint16_t Russian = 0x19;

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// Position of the first occurrence of what in text, ASCII letter case ignored; npos if none.
std::wstring::size_type FindIgnoringCase(const std::wstring& text, const std::wstring& what) {
  if (what.empty() || what.size() > text.size()) return std::wstring::npos;
  for (std::wstring::size_type at = 0; at + what.size() <= text.size(); ++at) {
    std::wstring::size_type i = 0;
    while (i < what.size() && AsciiLower(text[at + i]) == AsciiLower(what[i])) ++i;
    if (i == what.size()) return at;
  }
  return std::wstring::npos;
}

}  // namespace

std::wstring WebLanguageCode(std::uint16_t uiLanguage) {
  static const wchar_t Digits[] = L"0123456789ABCDEF";
  const unsigned low = uiLanguage & 0xFFu;
  return {Digits[low >> 4], Digits[low & 0xFu]};
}

std::wstring AboutOrvillaUrl(std::uint16_t uiLanguage) {
  return std::wstring(ProductSite) + L"/rabout/?hl=" + WebLanguageCode(uiLanguage);
}

std::wstring OnlineHelpUrl(std::uint16_t uiLanguage) {
  return std::wstring(ProductSite) + L"/rhelp/?hl=" + WebLanguageCode(uiLanguage);
}

std::wstring AboutSentaroUrl(std::uint16_t uiLanguage) {
  return std::wstring(SiblingProductSite) + L"/rorv/?hl=" + WebLanguageCode(uiLanguage);
}

std::wstring OnlineKeyboardUrl(std::uint16_t uiLanguage) {
  return std::wstring(OnlineKeyboardSite) + Translate(L"/", 0, uiLanguage);
}

std::wstring UrlToOpen(const std::wstring& url, std::uint16_t uiLanguage) {
  if ((uiLanguage & 0xFFu) != Russian) return url;
  std::wstring result = url;
  const std::wstring suffix = ProductHostSuffix;
  const auto at = FindIgnoringCase(result, suffix);
  if (at != std::wstring::npos) result.replace(at, suffix.size(), RussianHostSuffix);
  return result;
}

TInputAppletCommand InputAppletCommand(const std::wstring& systemFolder) {
  TInputAppletCommand command;
  command.Program = PathCombine(systemFolder, L"rundll32.exe");
  command.CommandLine = L"\"" + command.Program + L"\" shell32.dll,Control_RunDLL input.dll";
  return command;
}
