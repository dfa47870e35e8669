#include "commands/web_links.h"

#include <gtest/gtest.h>

#include "commands/web_sites.h"

TEST(WebLinks, LanguageCodeIsTheLowByteInUpperCaseHex) {
  const struct {
    std::uint16_t Lang;
    const wchar_t* Code;
  } cases[] = {{0x0409, L"09"}, {0x0809, L"09"}, {0x0419, L"19"}, {0x040C, L"0C"},
               {0x0804, L"04"}, {0x0404, L"04"}, {0x041A, L"1A"}, {0x00FF, L"FF"}};
  for (const auto& c : cases) EXPECT_EQ(WebLanguageCode(c.Lang), c.Code) << c.Lang;
}

TEST(WebLinks, EnglishPages) {
  const std::wstring product = ProductSite;
  EXPECT_EQ(OnlineHelpUrl(0x0409), product + L"/rhelp/?hl=09");
  EXPECT_EQ(AboutOrvillaUrl(0x0409), product + L"/rabout/?hl=09");
  EXPECT_EQ(AboutSentaroUrl(0x0409), std::wstring(SiblingProductSite) + L"/rorv/?hl=09");
  EXPECT_EQ(OnlineKeyboardUrl(0x0409), std::wstring(OnlineKeyboardSite) + L"/");
  EXPECT_EQ(OnlineKeyboardUrl(0x0407), std::wstring(OnlineKeyboardSite) + L"/de/");
  EXPECT_EQ(OnlineKeyboardUrl(0x0804), std::wstring(OnlineKeyboardSite) + L"/");
  for (const std::wstring& url : {OnlineHelpUrl(0x0409), AboutOrvillaUrl(0x0409), OnlineKeyboardUrl(0x0409)})
    EXPECT_EQ(UrlToOpen(url, 0x0409), url);
}

TEST(WebLinks, RussianUsersGetTheRussianHostOfTheProductSitesOnly) {
  const std::uint16_t russian = 0x0419;
  EXPECT_EQ(UrlToOpen(OnlineHelpUrl(russian), russian), L"https://orvilla.lunavar.ru/rhelp/?hl=19");
  EXPECT_EQ(UrlToOpen(AboutOrvillaUrl(russian), russian), L"https://orvilla.lunavar.ru/rabout/?hl=19");
  EXPECT_EQ(UrlToOpen(AboutSentaroUrl(russian), russian), L"https://sentaro.lunavar.ru/rorv/?hl=19");
  // The online keyboard site is never changed; its segment is the Russian one.
  EXPECT_EQ(UrlToOpen(OnlineKeyboardUrl(russian), russian), std::wstring(OnlineKeyboardSite) + L"/ru/");
  EXPECT_EQ(UrlToOpen(L"ms-settings:regionlanguage", russian), L"ms-settings:regionlanguage");
}

TEST(WebLinks, SubstitutionIgnoresLetterCaseAndReplacesOnlyTheFirstOccurrence) {
  EXPECT_EQ(UrlToOpen(L"https://ORVILLA.LunaVar.COM/x?ref=lunavar.com", 0x0819),
            L"https://ORVILLA.lunavar.ru/x?ref=lunavar.com");
  EXPECT_EQ(UrlToOpen(L"https://ORVILLA.LunaVar.COM/x", 0x0407), L"https://ORVILLA.LunaVar.COM/x");
  EXPECT_EQ(UrlToOpen(L"", 0x0419), L"");
  EXPECT_EQ(UrlToOpen(L"lunavar.co", 0x0419), L"lunavar.co");
}

TEST(WebLinks, InputAppletRunsRundll32FromTheSystemFolder) {
  const struct {
    const wchar_t* Folder;
    const wchar_t* Program;
  } cases[] = {{L"C:\\Windows\\system32", L"C:\\Windows\\system32\\rundll32.exe"},
               {L"D:\\WIN NT\\System32\\", L"D:\\WIN NT\\System32\\rundll32.exe"}};
  for (const auto& c : cases) {
    const TInputAppletCommand command = InputAppletCommand(c.Folder);
    EXPECT_EQ(command.Program, c.Program);
    EXPECT_EQ(command.CommandLine, L"\"" + std::wstring(c.Program) + L"\" shell32.dll,Control_RunDLL input.dll");
  }
}
