#pragma once
// The addresses of the web pages the program opens, and the address actually handed to the
// shell. uiLanguage is the user's interface language (GetUserDefaultUILanguage on Windows).
#include <cstdint>
#include <string>

// The low 8 bits of the language as two upper-case hexadecimal digits: "09" English, "19"
// Russian, "0C" French, "04" for both Chinese variants.
std::wstring WebLanguageCode(std::uint16_t uiLanguage);

// The product site's about page ("/rabout/?hl=" and the language code).
std::wstring AboutOrvillaUrl(std::uint16_t uiLanguage);
// The product site's help page ("/rhelp/?hl=" and the language code).
std::wstring OnlineHelpUrl(std::uint16_t uiLanguage);
// The sibling product site's page about this program ("/rorv/?hl=" and the language code).
std::wstring AboutSentaroUrl(std::uint16_t uiLanguage);
// The online keyboard site followed by its language segment ("/" or e.g. "/de/").
std::wstring OnlineKeyboardUrl(std::uint16_t uiLanguage);

// What OpenUrl hands to ShellExecuteW: with a Russian interface language the first occurrence
// of the product sites' host suffix (letter case ignored) becomes the Russian host suffix;
// everything else, shell targets such as "ms-settings:regionlanguage" included, is unchanged.
std::wstring UrlToOpen(const std::wstring& url, std::uint16_t uiLanguage);

// The input-language applet of Windows before 10, run by rundll32.exe from the system folder
// (systemFolder, as GetSystemDirectoryW gives it), never through the search path: a rundll32.exe
// beside a portable copy of the program is not run.
struct TInputAppletCommand {
  std::wstring Program;      // the full path of rundll32.exe
  std::wstring CommandLine;  // the program, quoted, and the applet's arguments
};
TInputAppletCommand InputAppletCommand(const std::wstring& systemFolder);
