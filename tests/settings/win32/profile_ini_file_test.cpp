#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "settings/app_ini.h"
#include "settings/ini_section.h"
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

// A read batch answers every name exactly as a read of that one name from the file does.
TEST_F(ProfileIniFileTest, TheSectionReadWholeAnswersAsSingleReads) {
  ASSERT_TRUE(WriteBytes(file,
                         "[Other]\r\nKeyboard=9\r\n"
                         "[Main]\r\n"
                         "Keyboard = 4 \r\n"
                         "keyboard=5\r\n"
                         "Layout=\"My layout\"\r\n"
                         "Quoted='x'\r\n"
                         "Half=\"open\r\n"
                         "Empty=\r\n"
                         "NoValue\r\n"
                         "; a comment\r\n"
                         "Eq=a=b\r\n"
                         "\r\n"
                         "[Later]\r\nColors=3\r\n"));
  const wchar_t* names[] = {L"Keyboard", L"KEYBOARD", L"Layout", L"Quoted", L"Half", L"Empty",
                            L"NoValue",  L"Eq",       L"Colors", L"Missing"};
  TProfileIniFile reader(file);
  const std::optional<std::vector<std::wstring>> lines = reader.ReadSection(SettingsIniSection);
  ASSERT_TRUE(lines.has_value());
  const TIniSection section(*lines);
  for (const wchar_t* name : names)
    EXPECT_EQ(section.Find(name).value_or(L"(default)"), reader.ReadString(SettingsIniSection, name, L"(default)"))
        << name;

  // The same through the store: a batch, then single reads.
  ini.BeginReadBatch();
  std::vector<std::wstring> batched;
  for (const wchar_t* name : names) batched.push_back(ini.ReadText(name, L"(default)"));
  ini.EndReadBatch();
  for (std::size_t i = 0; i < std::size(names); ++i) EXPECT_EQ(batched[i], ini.ReadText(names[i], L"(default)")) << names[i];
}

TEST_F(ProfileIniFileTest, AMissingFileOrSectionReadsWholeAsEmptyAndALongOneWhole) {
  TProfileIniFile reader(file);
  EXPECT_EQ(reader.ReadSection(SettingsIniSection), std::vector<std::wstring>{});
  std::string text = "[Main]\r\n";
  for (int i = 0; i < 2000; ++i) text += "Key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
  ASSERT_TRUE(WriteBytes(file, text));
  const std::optional<std::vector<std::wstring>> lines = reader.ReadSection(SettingsIniSection);
  ASSERT_TRUE(lines.has_value());
  ASSERT_EQ(lines->size(), 2000u);  // more than the first buffer holds
  EXPECT_EQ(TIniSection(*lines).Find(L"Key1999"), std::wstring(L"13993"));
}
