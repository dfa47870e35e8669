#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "settings/app_ini.h"
#include "settings/win32/profile_ini_file.h"
#include "settings_temp_folder.h"

namespace {

struct ProfileIniFileTest : ::testing::Test {
  TTempFolder folder;
  std::wstring file = folder.File(L"Orvilla.ini");
  TAppIni ini{nullptr, ProfileIniFiles(), false};
  void SetUp() override { ini.SetIniFileName(file); }
};

}  // namespace

TEST_F(ProfileIniFileTest, IntegersAndBooleansRoundTripAsDecimalTextInSectionMain) {
  ini.WriteInteger(L"Keyboard", 4);
  ini.WriteInteger(L"TMainFormTop", -12);
  ini.WriteBool(L"FitWidth", true);
  ini.WriteBool(L"LockSize", false);
  EXPECT_EQ(ini.ReadInteger(L"Keyboard", 1), 4);
  EXPECT_EQ(ini.ReadInteger(L"TMainFormTop", 0), -12);
  EXPECT_TRUE(ini.ReadBool(L"FitWidth", false));
  EXPECT_FALSE(ini.ReadBool(L"LockSize", true));
  EXPECT_EQ(ini.ReadInteger(L"Colors", 6), 6);
  EXPECT_TRUE(ini.ReadBool(L"EnableKeyRepeat", true));

  const std::string text = ReadBytes(file);
  EXPECT_NE(text.find("[Main]"), std::string::npos) << text;
  EXPECT_NE(text.find("TMainFormTop=-12"), std::string::npos) << text;
  EXPECT_NE(text.find("FitWidth=1"), std::string::npos) << text;
  EXPECT_NE(text.find("LockSize=0"), std::string::npos) << text;
}

TEST_F(ProfileIniFileTest, HandEditedTextsReadByTheIntegerRules) {
  ASSERT_TRUE(WriteBytes(file, "[Main]\r\nKeyboard=0x3\r\nColors=$A\r\nFitWidth=2\r\nAlphaBlend=abc\r\n"));
  EXPECT_EQ(ini.ReadInteger(L"Keyboard", 1), 3);
  EXPECT_EQ(ini.ReadInteger(L"Colors", 6), 10);
  EXPECT_TRUE(ini.ReadBool(L"FitWidth", false));
  EXPECT_EQ(ini.ReadInteger(L"AlphaBlend", 255), 255);
}

TEST_F(ProfileIniFileTest, WriteToAFileThatCannotBeOpenedRaisesUnableToWrite) {
  ini.WriteInteger(L"Keyboard", 2);
  {
    TExclusiveFile lock(file);
    ASSERT_TRUE(lock.Held());
    try {
      ini.WriteInteger(L"Keyboard", 3);
      ADD_FAILURE() << "no error";
    } catch (const TSettingsError& e) {
      EXPECT_EQ(e.Message(), L"Unable to write to " + file);
    }
  }
  EXPECT_EQ(ini.ReadInteger(L"Keyboard", 1), 2);
}
