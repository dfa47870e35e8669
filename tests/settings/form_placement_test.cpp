#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"

namespace {

const std::wstring Ini = L"D:\\Orvilla\\Orvilla.ini";

struct FormPlacementTest : ::testing::Test {
  TFakeIniDisk disk;
  TFakeRegistryData registry;
  TFakePlacementWindow form;
  std::unique_ptr<TAppIni> ini;

  void SetUp() override {
    ini = std::make_unique<TAppIni>(std::make_unique<TFakeRegistry>(registry), disk.Factory(), false);
    ini->SetIniFileName(Ini);
  }
  std::vector<std::wstring> Written() const { return disk.WrittenKeys; }
  void Store(const std::wstring& name, const std::wstring& text) { disk.Value(Ini, L"TMainForm" + name) = text; }
};

}  // namespace

TEST_F(FormPlacementTest, NormalSizeableWindowStoresPositionSizeAndState) {
  form.FTop = 40;
  form.FLeft = -8;
  form.FHeight = 250;
  form.FWidth = 900;
  ini->SaveFormPlacement(form, false);
  EXPECT_EQ(Written(), (std::vector<std::wstring>{L"Main/TMainFormTop", L"Main/TMainFormLeft", L"Main/TMainFormHeight",
                                                  L"Main/TMainFormWidth", L"Main/TMainFormState"}));
  EXPECT_EQ(disk.Value(Ini, L"TMainFormTop"), L"40");
  EXPECT_EQ(disk.Value(Ini, L"TMainFormLeft"), L"-8");
  EXPECT_EQ(disk.Value(Ini, L"TMainFormHeight"), L"250");
  EXPECT_EQ(disk.Value(Ini, L"TMainFormWidth"), L"900");
  EXPECT_EQ(disk.Value(Ini, L"TMainFormState"), L"0");
}

TEST_F(FormPlacementTest, MaximisedOrMinimisedWindowStoresOnlyTheState) {
  for (const TWindowState state : {TWindowState::Maximized, TWindowState::Minimized}) {
    disk.WrittenKeys.clear();
    form.FState = state;
    ini->SaveFormPlacement(form, false);
    EXPECT_EQ(Written(), std::vector<std::wstring>{L"Main/TMainFormState"});
    EXPECT_EQ(disk.Value(Ini, L"TMainFormState"), L"1");
  }
}

TEST_F(FormPlacementTest, LockedSizeStoresNoHeightOrWidth) {
  form.FMaximizeButton = false;
  ini->SaveFormPlacement(form, false);
  EXPECT_EQ(Written(),
            (std::vector<std::wstring>{L"Main/TMainFormTop", L"Main/TMainFormLeft", L"Main/TMainFormState"}));
}

TEST_F(FormPlacementTest, OnlyPositionStoresTopAndLeftWhateverTheState) {
  form.FState = TWindowState::Maximized;
  ini->SaveFormPlacement(form, true);
  EXPECT_EQ(Written(), (std::vector<std::wstring>{L"Main/TMainFormTop", L"Main/TMainFormLeft"}));
}

TEST_F(FormPlacementTest, SavingIntoAnUnwritableStoreReportsNothing) {
  disk.ReadOnlyFiles.insert(Ini);
  EXPECT_NO_THROW(ini->SaveFormPlacement(form, false));
  registry.RefuseWrites = true;
  ini->SetIniFileName(L"");
  EXPECT_NO_THROW(ini->SaveFormPlacement(form, false));
  EXPECT_TRUE(Written().empty());
}

TEST_F(FormPlacementTest, LoadAppliesTopLeftHeightWidthThenTheState) {
  Store(L"Top", L"11");
  Store(L"Left", L"22");
  Store(L"Height", L"333");
  Store(L"Width", L"444");
  Store(L"State", L"1");
  ini->LoadFormPlacement(form, false);
  EXPECT_EQ(form.Changes,
            (std::vector<std::wstring>{L"Top=11", L"Left=22", L"Height=333", L"Width=444", L"State=Maximized"}));
}

TEST_F(FormPlacementTest, LoadKeepsTheCurrentPlacementWhereTheStoreHasNone) {
  Store(L"Left", L"5");
  ini->LoadFormPlacement(form, false);
  EXPECT_EQ(form.Changes,
            (std::vector<std::wstring>{L"Top=100", L"Left=5", L"Height=300", L"Width=800", L"State=Normal"}));
}

TEST_F(FormPlacementTest, LoadRespectsBorderMaximiseButtonAndOnlyPosition) {
  struct Case {
    bool sizeable, maximizeButton, onlyPosition;
    std::vector<std::wstring> changes;
  };
  const Case cases[] = {
      {false, true, false, {L"Top=11", L"Left=22", L"State=Maximized"}},
      {true, false, false, {L"Top=11", L"Left=22", L"Height=333", L"Width=444", L"State=Normal"}},
      {true, true, true, {L"Top=11", L"Left=22"}},
  };
  Store(L"Top", L"11");
  Store(L"Left", L"22");
  Store(L"Height", L"333");
  Store(L"Width", L"444");
  Store(L"State", L"1");
  for (const auto& c : cases) {
    TFakePlacementWindow window;
    window.FSizeable = c.sizeable;
    window.FMaximizeButton = c.maximizeButton;
    ini->LoadFormPlacement(window, c.onlyPosition);
    EXPECT_EQ(window.Changes, c.changes) << c.sizeable << c.maximizeButton << c.onlyPosition;
  }
}

TEST_F(FormPlacementTest, MaximisedSaveKeepsTheLastNormalPlacementForTheNextStart) {
  form.FTop = 30;
  form.FLeft = 40;
  form.FHeight = 260;
  form.FWidth = 780;
  ini->SaveFormPlacement(form, false);
  form.FState = TWindowState::Maximized;
  form.FTop = -8;
  form.FWidth = 1936;
  ini->SaveFormPlacement(form, false);

  TFakePlacementWindow next;
  ini->LoadFormPlacement(next, false);
  EXPECT_EQ(next.Changes,
            (std::vector<std::wstring>{L"Top=30", L"Left=40", L"Height=260", L"Width=780", L"State=Maximized"}));
}

TEST_F(FormPlacementTest, LoadReplacesUnusableValuesByTheWindowsOwn) {
  Store(L"Top", L"-40000");
  Store(L"Left", L"30");
  Store(L"Height", L"-5");
  Store(L"Width", L"0");
  ini->LoadFormPlacement(form, false);
  EXPECT_EQ(form.Changes,
            (std::vector<std::wstring>{L"Top=100", L"Left=30", L"Height=300", L"Width=800", L"State=Normal"}));
}

TEST(UsablePlacement, ReplacesEachUnusableValueByItsDefault) {
  const TPlacementBox defaults{200, 700, 800, 300};
  const std::vector<TRect> oneMonitor{{0, 0, 1920, 1080}};
  const std::vector<TRect> twoMonitors{{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
  struct Case {
    const char* name;
    TPlacementBox stored;
    std::vector<TRect> monitors;
    TPlacementBox expected;
  };
  const Case cases[] = {
      {"usable", {10, 20, 640, 240}, oneMonitor, {10, 20, 640, 240}},
      {"negative height", {10, 20, 640, -5}, oneMonitor, {10, 20, 640, 300}},
      {"zero width", {10, 20, 0, 240}, oneMonitor, {10, 20, 800, 240}},
      {"just too small", {10, 20, 199, 79}, oneMonitor, {10, 20, 800, 300}},
      {"smallest usable", {10, 20, 200, 80}, oneMonitor, {10, 20, 200, 80}},
      {"wider than every monitor", {10, 20, 100000, 240}, oneMonitor, {10, 20, 800, 240}},
      {"spanning two monitors", {-1000, 20, 3000, 240}, twoMonitors, {-1000, 20, 3000, 240}},
      {"right of the monitor", {5000, 20, 640, 240}, oneMonitor, {200, 20, 640, 240}},
      {"above the monitor", {10, -5000, 640, 240}, oneMonitor, {10, 700, 640, 240}},
      {"far corner", {INT_MIN, INT_MAX, 640, 240}, oneMonitor, {200, 700, 640, 240}},
      {"edge overflowing", {INT_MAX, 20, 640, 240}, oneMonitor, {200, 20, 640, 240}},
      {"touching only", {-640, 20, 640, 240}, oneMonitor, {200, 20, 640, 240}},
      {"one pixel on screen", {-639, 20, 640, 240}, oneMonitor, {-639, 20, 640, 240}},
      {"on the second monitor", {-1000, 20, 640, 240}, twoMonitors, {-1000, 20, 640, 240}},
      {"judged at the size it will have", {-700, 20, -5, 240}, oneMonitor, {-700, 20, 800, 240}},
      {"monitors unknown", {5000, 20, 100000, 5}, {}, {5000, 20, 100000, 300}},
  };
  for (const auto& c : cases) EXPECT_EQ(UsablePlacement(c.stored, defaults, c.monitors), c.expected) << c.name;
}

TEST(CenterOnWorkArea, CentresAndTruncatesTowardZero) {
  struct Case {
    TRect workArea;
    int width, height;
    TPoint expected;
  };
  const Case cases[] = {
      {{0, 0, 1920, 1040}, 800, 300, {560, 370}},
      {{1920, 100, 3200, 1124}, 801, 301, {2159, 461}},  // odd remainders round down
      {{0, 0, 1000, 600}, 1005, 603, {-2, -1}},          // -5/2 and -3/2 toward zero
      {{-1280, 0, 0, 1024}, 1280, 1024, {-1280, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(CenterOnWorkArea(c.workArea, c.width, c.height), c.expected);
}

TEST_F(FormPlacementTest, TheSaveRightAfterALoadWritesOnlyWhatDiffersFromIt) {
  // At start-up applying "LockSize" saves the placement just loaded: nothing changed, nothing
  // written; a value the store lacked, or one the window does not have, is.
  Store(L"Top", L"11");
  Store(L"Left", L"22");
  Store(L"Height", L"333");
  Store(L"Width", L"444");
  ini->LoadFormPlacement(form, false);
  ini->SaveFormPlacement(form, false);
  EXPECT_EQ(Written(), std::vector<std::wstring>{L"Main/TMainFormState"});  // it had none

  disk.WrittenKeys.clear();
  ini->LoadFormPlacement(form, false);
  form.FLeft = 50;
  ini->SaveFormPlacement(form, false);
  EXPECT_EQ(Written(), std::vector<std::wstring>{L"Main/TMainFormLeft"});
  EXPECT_EQ(disk.Value(Ini, L"TMainFormLeft"), L"50");

  // Later saves write in full: another copy of the program may have written the file since.
  disk.WrittenKeys.clear();
  ini->SaveFormPlacement(form, false);
  EXPECT_EQ(Written().size(), 5u);
}
