#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/app_ini.h"
#include "settings/win32/hwnd_placement.h"
#include "settings/win32/profile_ini_file.h"
#include "settings_temp_folder.h"

namespace {

constexpr wchar_t Class[] = L"TPlacementTestForm";

struct TTestForm {
  explicit TTestForm(DWORD style) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = Class;
    RegisterClassExW(&wc);
    handle = CreateWindowExW(0, Class, L"placement", style, 50, 60, 400, 200, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  }
  ~TTestForm() { DestroyWindow(handle); }
  HWND handle;
};

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

}  // namespace

TEST(HwndPlacement, ReportsClassNameBorderAndButtons) {
  TTestForm sizeable(WS_OVERLAPPEDWINDOW);
  TTestForm locked(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  const THwndPlacementWindow a(sizeable.handle), b(locked.handle);
  EXPECT_EQ(a.ClassName(), Class);
  EXPECT_TRUE(a.HasMaximizeButton());
  EXPECT_TRUE(a.HasSizeableBorder());
  EXPECT_FALSE(b.HasMaximizeButton());
  EXPECT_FALSE(b.HasSizeableBorder());
  EXPECT_EQ(a.State(), TWindowState::Normal);
}

TEST(HwndPlacement, StoredPlacementMovesAndSizesAnotherWindow) {
  TTempFolder folder;
  TAppIni ini(nullptr, ProfileIniFiles(), false);
  ini.SetIniFileName(folder.File(L"Orvilla.ini"));
  TTestForm first(WS_OVERLAPPEDWINDOW);
  SetWindowPos(first.handle, nullptr, 120, 90, 510, 230, SWP_NOZORDER | SWP_NOACTIVATE);
  THwndPlacementWindow firstPlacement(first.handle);
  ini.SaveFormPlacement(firstPlacement, false);
  EXPECT_EQ(ini.Read(TSettingId::WindowLeft, 0), 120);
  EXPECT_EQ(ini.Read(TSettingId::WindowWidth, 0), 510);

  TTestForm second(WS_OVERLAPPEDWINDOW);
  THwndPlacementWindow secondPlacement(second.handle);
  ini.LoadFormPlacement(secondPlacement, false);
  const RECT r = WindowRect(second.handle);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 90);
  EXPECT_EQ(r.right - r.left, 510);
  EXPECT_EQ(r.bottom - r.top, 230);
  EXPECT_EQ(secondPlacement.State(), TWindowState::Normal);
}

// Counts the moves and sizings the window is asked for.
int PositionChanges = 0;
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_WINDOWPOSCHANGING) ++PositionChanges;
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(HwndPlacement, BoundsTheWindowHasAlreadyMakeNoMoveOthersOneEach) {
  TTestForm form(WS_OVERLAPPEDWINDOW);
  SetWindowLongPtrW(form.handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc));
  THwndPlacementWindow placement(form.handle);
  PositionChanges = 0;
  placement.SetTop(60);
  placement.SetLeft(50);
  placement.SetHeight(200);
  placement.SetWidth(400);
  EXPECT_EQ(PositionChanges, 0);
  EXPECT_EQ(WindowRect(form.handle).left, 50);

  placement.SetTop(75);
  placement.SetLeft(50);
  placement.SetWidth(420);
  placement.SetHeight(200);
  EXPECT_EQ(PositionChanges, 2);
  const RECT r = WindowRect(form.handle);
  EXPECT_EQ(r.top, 75);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.right - r.left, 420);
  EXPECT_EQ(r.bottom - r.top, 200);
}

TEST(HwndPlacement, CentresOnTheWorkArea) {
  TTestForm form(WS_OVERLAPPEDWINDOW);
  CenterOnWorkArea(form.handle);
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  GetMonitorInfoW(MonitorFromWindow(form.handle, MONITOR_DEFAULTTONEAREST), &mi);
  const RECT r = WindowRect(form.handle);
  EXPECT_EQ(r.left, mi.rcWork.left + (mi.rcWork.right - mi.rcWork.left - 400) / 2);
  EXPECT_EQ(r.top, mi.rcWork.top + (mi.rcWork.bottom - mi.rcWork.top - 200) / 2);
}

TEST(HwndPlacement, StoredPlacementOffEveryMonitorOrTooSmallGivesWayToTheWindowsOwn) {
  TTestForm form(WS_OVERLAPPEDWINDOW);
  THwndPlacementWindow placement(form.handle);
  const std::vector<TRect> monitors = placement.MonitorBounds();
  const TRect primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_NE(std::find(monitors.begin(), monitors.end(), primary), monitors.end());

  TTempFolder folder;
  TAppIni ini(nullptr, ProfileIniFiles(), false);
  ini.SetIniFileName(folder.File(L"Orvilla.ini"));
  ini.Write(TSettingId::WindowTop, 100000);
  ini.Write(TSettingId::WindowLeft, 70);
  ini.Write(TSettingId::WindowHeight, -5);
  ini.Write(TSettingId::WindowWidth, 640);
  ini.LoadFormPlacement(placement, false);
  const RECT r = WindowRect(form.handle);
  EXPECT_EQ(r.left, 70);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(r.bottom - r.top, 200);
}
