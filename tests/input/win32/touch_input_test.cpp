// WM_TOUCH on Windows: touch points turned into client points and handed to the pointer
// handlers, with the touch functions replaced by recording ones.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "fakes/fake_keyboard_desktop.h"
#include "fakes/fake_keyboard_services.h"
#include "fakes/recording_key_injector.h"
#include "input/fake_input_window.h"
#include "input/key_press.h"
#include "input/pointer_input.h"
#include "input/win32/tablet_service.h"
#include "input/win32/touch_input.h"
#include "keyboard/lv_keyboard.h"
#include "render/win32/gdi_canvas.h"

namespace {

// What the recording touch functions saw and return.
std::vector<TOUCHINPUT> Points;
bool InfoSucceeds = true;
int InfoSizeSeen = 0;
std::vector<HTOUCHINPUT> Closed;

BOOL WINAPI RecordingGetTouchInputInfo(HTOUCHINPUT, UINT count, PTOUCHINPUT inputs, int size) {
  InfoSizeSeen = size;
  if (!InfoSucceeds || count != Points.size()) return FALSE;
  for (UINT i = 0; i < count; ++i) inputs[i] = Points[i];
  return TRUE;
}

BOOL WINAPI RecordingCloseTouchInputHandle(HTOUCHINPUT handle) {
  Closed.push_back(handle);
  return TRUE;
}

// Physical pixels at 200 %: logical coordinates are half.
BOOL WINAPI HalvingPhysicalToLogicalPoint(HWND, LPPOINT p) {
  p->x /= 2;
  p->y /= 2;
  return TRUE;
}

TOUCHINPUT Point(LONG x100, LONG y100, DWORD id, DWORD flags) {
  TOUCHINPUT t{};
  t.x = x100;
  t.y = y100;
  t.dwID = id;
  t.dwFlags = flags;
  return t;
}

class TouchMessage : public testing::Test {
 protected:
  void SetUp() override {
    Points.clear();
    Closed.clear();
    InfoSucceeds = true;
    touch.GetTouchInputInfo = &RecordingGetTouchInputInfo;
    touch.CloseTouchInputHandle = &RecordingCloseTouchInputHandle;
    touch.PhysicalToLogicalPoint = &HalvingPhysicalToLogicalPoint;
    // A borderless window whose client area starts at (100, 50) on the screen.
    window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 50, 200, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    // Key A covers client (40..60, 15..35).
    keyboard.AddKey(65, {{40, 15}, {60, 35}});
  }
  void TearDown() override { DestroyWindow(window); }

  HWND window = nullptr;
  TTouchFunctions touch;
  TGdiSurface paintBox;
  TGdiSurfaceFactory surfaces;
  TFakeKeyboardServices services;
  TRecordingKeyInjector injector;
  TFakeKeyboardDesktop desktop;
  TFakeInputWindow inputWindow;
  TLvKeyboard keyboard{paintBox, surfaces, services, injector, desktop};
  TKeyPress press{keyboard, injector, inputWindow};
  TPointerInput pointer{keyboard, press, inputWindow, 19045};
};

TEST_F(TouchMessage, PointIsInWholePhysicalPixelsThenLogicalThenClient) {
  // (300.99, 150.5) physical -> (300, 150) -> logical (150, 75) -> client (50, 25).
  const TTouchEvent e = TouchToMouseEvent(Point(30099, 15050, 1, 0x2), window, touch);
  EXPECT_EQ(e.kind, TTouchKind::LButtonDown);
  EXPECT_EQ(e.x, 50);
  EXPECT_EQ(e.y, 25);
  EXPECT_EQ(TouchToMouseEvent(Point(0, 0, 1, 0x4), window, touch).kind, TTouchKind::LButtonUp);
  const TTouchEvent outside = TouchToMouseEvent(Point(0, 0, 1, 0x1), window, touch);
  EXPECT_EQ(outside.kind, TTouchKind::MouseMove);
  EXPECT_EQ(outside.x, -100);
  EXPECT_EQ(outside.y, -50);
}

TEST_F(TouchMessage, EveryPointGoesToThePointerHandlersInOrderAndTheHandleIsClosed) {
  Points = {Point(30000, 15000, 9, 0x2), Point(30000, 15000, 9, 0x4)};
  const LPARAM handle = 0x1234;
  HandleTouchMessage(window, 0, MAKEWPARAM(2, 0), handle, touch, pointer, TMessageOrigin{});
  EXPECT_EQ(injector.Events, (std::vector<TKeyEvent>{KeyDown(65), KeyUp(65)}));
  EXPECT_EQ(InfoSizeSeen, static_cast<int>(sizeof(TOUCHINPUT)));
  EXPECT_EQ(Closed, (std::vector<HTOUCHINPUT>{reinterpret_cast<HTOUCHINPUT>(handle)}));
  EXPECT_TRUE(pointer.TouchActive());
  EXPECT_EQ(pointer.TouchId(), -1);
}

TEST_F(TouchMessage, PointsAreInTheKeysCoordinatesBelowARowAtTheTopOfTheClientArea) {
  // Key B covers the keys' area (40..60, 0..10): with the keys 20 pixels down, client (50, 25).
  keyboard.AddKey(66, {{40, 0}, {60, 10}});
  Points = {Point(30000, 15000, 9, 0x2), Point(30000, 15000, 9, 0x4)};
  HandleTouchMessage(window, 20, MAKEWPARAM(2, 0), 0x1234, touch, pointer, TMessageOrigin{});
  EXPECT_EQ(injector.Events, (std::vector<TKeyEvent>{KeyDown(66), KeyUp(66)}));
}

TEST_F(TouchMessage, WhenThePointsCannotBeReadNoneIsHandledAndTheHandleIsStillClosed) {
  Points = {Point(30000, 15000, 9, 0x2)};
  InfoSucceeds = false;
  HandleTouchMessage(window, 0, MAKEWPARAM(1, 0), 0x99, touch, pointer, TMessageOrigin{});
  EXPECT_TRUE(injector.Events.empty());
  EXPECT_FALSE(pointer.TouchActive());
  EXPECT_EQ(Closed.size(), 1u);
}

TEST(TouchFunctions, FoundInUser32FromWindows7On) {
  const TTouchFunctions f = TTouchFunctions::Resolve(GetModuleHandleW(L"user32.dll"));
  EXPECT_TRUE(f.Available());
  EXPECT_FALSE(TTouchFunctions::Resolve(nullptr).Available());
}

TEST(TabletService, AMissingServiceIsNeitherStoppedNorReported) {
  // The test machine has no tablet input service.
  StopTabletService();
  EXPECT_FALSE(TabletServiceStopped);
  StartTabletService();
}

}  // namespace
