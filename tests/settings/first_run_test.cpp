#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"
#include "settings/first_run.h"

namespace {

const std::wstring Exe = L"D:\\Tools\\Orvilla.exe";
const std::wstring ProgramFiles = L"C:\\Program Files";
constexpr TRegistryRoot HKCU = TRegistryRoot::CurrentUser;

struct FirstRunTest : ::testing::Test {
  TFakeRegistryData registry;
  std::unique_ptr<TAppIni> Start() {
    return std::make_unique<TAppIni>(std::make_unique<TFakeRegistry>(registry), nullptr, false);
  }
  std::uint32_t Site() { return registry.Key(HKCU)[L"Site"].Data; }
};

}  // namespace

TEST_F(FirstRunTest, AFreshCopyOpensThePageOnceOnly) {
  EXPECT_TRUE(FirstRunPageDue(*Start(), Exe, ProgramFiles));
  EXPECT_EQ(Site(), 1u);
  EXPECT_FALSE(FirstRunPageDue(*Start(), Exe, ProgramFiles));
  EXPECT_EQ(Site(), 1u);
}

TEST_F(FirstRunTest, MinusOneBecomesZeroWithoutPageThenOneWithThePage) {
  registry.SetDword(HKCU, L"Site", static_cast<std::uint32_t>(-1));
  EXPECT_FALSE(FirstRunPageDue(*Start(), Exe, ProgramFiles));
  EXPECT_EQ(Site(), 0u);
  EXPECT_TRUE(FirstRunPageDue(*Start(), Exe, ProgramFiles));
  EXPECT_EQ(Site(), 1u);
}

TEST_F(FirstRunTest, NoPageFromTemporaryFoldersOrProgramFilesButTheCounterRises) {
  for (const wchar_t* exe : {L"C:\\Users\\ann\\AppData\\Local\\TEMP\\Orvilla.exe", L"D:\\Attempt\\Orvilla.exe",
                             L"C:\\Program Files\\Orvilla\\Orvilla.exe"}) {
    registry = {};
    EXPECT_FALSE(FirstRunPageDue(*Start(), exe, ProgramFiles)) << exe;
    EXPECT_EQ(Site(), 1u) << exe;
  }
}

TEST_F(FirstRunTest, AStoreThatTakesNoWritesNeverOpensThePage) {
  registry.Key(HKCU);
  registry.Granted[HKCU] = {TRegistryRights::Read};
  EXPECT_FALSE(FirstRunPageDue(*Start(), Exe, ProgramFiles));
  EXPECT_FALSE(FirstRunPageDue(*Start(), Exe, ProgramFiles));
}
