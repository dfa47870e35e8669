#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/program_file.h"
#include "settings/app_ini.h"
#include "settings/win32/app_ini_module.h"

TEST(AppIniModule, StartOpensTheStoreOnTheRegistryAndEndFreesIt) {
  {
    TAppIniModule module({L"/debug", L"common"});  // "common" lacks the "-" or "/"
    EXPECT_FALSE(CommonSettings);
    ASSERT_NE(AppIni, nullptr);
    EXPECT_TRUE(AppIni->UsesRegistry());
    EXPECT_EQ(AppIni->RegistryRights(), TRegistryRights::AllAccess);
    EXPECT_EQ(ExePath, ProgramFolder() + L"\\");
  }
  EXPECT_EQ(AppIni, nullptr);
  EXPECT_FALSE(FirstRunPageDue());
}
