// The stored placement is the window without the suggestion row: a start with suggestions on or
// off puts the keys at the same size and place as before the restart.
#include <gtest/gtest.h>

#include <memory>

#include "app/placement_without_row.h"
#include "app/window_sizing.h"
#include "settings/app_ini.h"
#include "settings/fake_settings_backends.h"

namespace {

const std::wstring IniName = L"D:\\Orvilla\\Orvilla.ini";
const TRect ScreenWorkArea{0, 0, 1920, 1040};

struct PlacementWithoutRow : ::testing::Test {
  TFakeIniDisk disk;
  TFakeRegistryData registry;
  std::unique_ptr<TAppIni> ini;

  void SetUp() override {
    ini = std::make_unique<TAppIni>(std::make_unique<TFakeRegistry>(registry), disk.Factory(), false);
    ini->SetIniFileName(IniName);
  }
  static TRect Bounds(const TFakePlacementWindow& w) {
    return {w.FLeft, w.FTop, w.FLeft + w.FWidth, w.FTop + w.FHeight};
  }
  // A start: the window's own default placement, the stored one loaded while no row exists, then
  // the row when suggestions are on.
  TRect Restart(int rowHeight) {
    TFakePlacementWindow window;
    ini->LoadFormPlacement(window, false);
    return rowHeight ? WindowWithRow(Bounds(window), rowHeight, ScreenWorkArea) : Bounds(window);
  }
};

}  // namespace

TEST_F(PlacementWithoutRow, StoresTheWindowWithoutTheRowAndARestartPutsTheKeysBack) {
  // A window with a row of 49 at the top of its client area; its keys begin 49 pixels below the
  // client area's top.
  TFakePlacementWindow shown;
  shown.FLeft = 560, shown.FTop = 600, shown.FWidth = 800, shown.FHeight = 400;
  TPlacementWithoutRow stored(shown, 49);
  ini->SaveFormPlacement(stored, false);
  EXPECT_EQ(disk.Value(IniName, L"TMainFormTop"), L"649");
  EXPECT_EQ(disk.Value(IniName, L"TMainFormHeight"), L"351");
  EXPECT_EQ(disk.Value(IniName, L"TMainFormLeft"), L"560");
  EXPECT_EQ(disk.Value(IniName, L"TMainFormWidth"), L"800");

  // Suggestions still on: the same window, the keys in the same place.
  EXPECT_EQ(Restart(49), (TRect{560, 600, 1360, 1000}));
  // Suggestions off: the window is the keys' part alone, at the place the keys had.
  EXPECT_EQ(Restart(0), (TRect{560, 649, 1360, 1000}));
}
