// The keyboard window's legend table on the real window and the system's translation: the keys on
// screen have their legends when the window is first shown, and the rest of the table is filled in
// idle steps afterwards, giving the table a whole fill gives.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/win32/main_form.h"
#include "app/win32/message_pump.h"
#include "keyboard/lang_chars.h"
#include "keyboard/lang_chars_fill.h"
#include "keyboard/win32/keyboard_services_win32.h"
#include "keys/vk_classes.h"
#include "platform/win32/program_file.h"
#include "platform/win32/startup_environment.h"
#include "render/win32/font_enum.h"
#include "settings/win32/app_ini_module.h"

namespace {

TEST(MainFormLegends, TheShownKeysHaveLegendsAtOnceAndTheRestFollowsInIdleSteps) {
  InitStartupEnvironment();
  DetectFonts();
  const std::wstring ini = ProgramFolder() + L"\\Orvilla.ini";
  DeleteFileW(ini.c_str());
  WritePrivateProfileStringW(L"Main", L"Site", L"1", ini.c_str());
  // No keyboard of an earlier test is left: its tables may go, so this one is made afresh.
  LangCharsList.clear();
  {
    TAppIniModule module(std::vector<std::wstring>{});
    TMainForm form(nullptr, *AppIni);
    form.Show();
    TLvKeyboard& keyboard = form.Keyboard();
    ASSERT_EQ(LangCharsList.size(), 1u);
    const TLangChars& table = LangCharsList[keyboard.LangIndex()];

    int drawn = 0;
    for (int c = 1; c <= 255; ++c) {
      const auto code = static_cast<std::uint8_t>(c);
      const TLvBtn* key = keyboard.Key(code);
      if (!key || !key->Drawn() || !IsCharacterVk(code)) continue;
      ++drawn;
      EXPECT_TRUE(table.IsFilled(code, {})) << c;
    }
    EXPECT_GT(drawn, 40);
    EXPECT_FALSE(LangCharsComplete(table));
    EXPECT_TRUE(form.TimerEnabled(tmrLegends));

    EXPECT_TRUE(PumpUntil([&] { return !form.TimerEnabled(tmrLegends); }, 5000));
    EXPECT_TRUE(LangCharsComplete(table));
    TWin32KeyboardServices services;
    auto whole = std::make_unique<TLangChars>();
    whole->Hkl = table.Hkl;
    FillLangChars(*whole, services);
    for (int code = 1; code <= 255; ++code)
      for (int combo = 0; combo < 16; ++combo) {
        const TLegendCombination c{(combo & 1) != 0, (combo & 2) != 0, (combo & 4) != 0, (combo & 8) != 0};
        const auto vk = static_cast<std::uint8_t>(code);
        EXPECT_EQ(whole->At(vk, c), table.At(vk, c)) << "code " << code << " combination " << combo;
      }
    EXPECT_EQ(whole->HasAltGr, table.HasAltGr);
  }
  DeleteFileW(ini.c_str());
}

}  // namespace
